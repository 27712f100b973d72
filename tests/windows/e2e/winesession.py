"""The Linux end-to-end harness, extended for a Win32 program under Wine: the
X session gets its own copy of the shared Wine prefix, programs start through
the wine64 loader, links the program opens are recorded instead of opened,
and every Wine process of the copy ends with the session, on every exit path.

    with WineSession() as x:
        prog = x.start_program(exe)               # orrindale.exe in a fresh folder
        win = prog.wait_window("Orrindale v1.0")  # top-level windows are X windows
"""

import os
import re
import subprocess
import sys
import urllib.parse
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE.parents[1] / "e2e"))

import win32view as wv  # noqa: E402
import wineprefix  # noqa: E402
from harness import TITLE, Program, Window, XSession, check, wait_until  # noqa: E402
from test_lifecycle import INI, ini  # noqa: E402

RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
STALE = r"C:\Old Place\orrindale.exe"
MEASURED = (200, 150, 600, 500)
# How `reg export` writes the types of values that are not plain strings.
_EXPORTED_TYPES = {"dword": "REG_DWORD", "hex": "REG_BINARY", "hex(2)": "REG_EXPAND_SZ"}  # a placement within the limits, written back as it is

_OPENER = """#!/bin/sh
# Stands in for the browser and mail client: records what it was asked to open.
printf '%s\\n' "$*" >> "{log}"
"""


def processes_with_prefix(prefix):
    """Pids of the processes whose environment names prefix as WINEPREFIX."""
    needle = b"\0WINEPREFIX=" + str(prefix).encode() + b"\0"
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/environ", "rb") as f:
                if needle in b"\0" + f.read():
                    found.append(int(entry))
        except OSError:  # gone, or not ours to read
            continue
    return found


class WineProgram(Program):
    """A Win32 program run by the wine64 loader; its pid is the Windows
    process's own, which Wine also puts in its windows' _NET_WM_PID."""

    def command(self, args):
        return [wineprefix.wine_loader(), str(self.exe), *args]


def notepad(win):
    return "Notepad" in (win.title() or "")


class WineSession(XSession):
    """Answers the calls of the scenarios both programs meet (tests/e2e/scenarios)
    as LinuxSession does for the Linux program."""
    newline = "\r\n"
    registration = "orrindale.exe"
    group_box_shade = 0

    def __init__(self, prefix=None, **kwargs):
        super().__init__(**kwargs)
        self.shared_prefix = Path(prefix) if prefix else wineprefix.default_prefix()
        self.prefix = None
        self.scratch = None
        self.bin = None
        self.decorations = None

    def __enter__(self):
        super().__enter__()
        try:
            shared = wineprefix.ensure_prefix(self.shared_prefix)
            self.scratch = self.dir / "tmp"
            self.scratch.mkdir()
            self.prefix = self.dir / "prefix"
            wineprefix.copy_prefix(shared, self.prefix)
            self.bin = self.dir / "bin"
            self.bin.mkdir()
            opener = self.bin / wineprefix.OPENER_NAME
            opener.write_text(_OPENER.replace("{log}", str(self.opened_log())))
            opener.chmod(0o755)
        except BaseException:
            self.close()
            raise
        return self

    def opened_log(self):
        return self.dir / "opened.log"

    def opened(self):
        """What programs of this session asked the browser or mail client to open."""
        log = self.opened_log()
        return log.read_text().splitlines() if log.exists() else []

    def env(self, extra=None):
        env = super().env()
        if self.prefix is not None:
            env.update(wineprefix.wine_env(self.prefix, self.scratch))
            env["PATH"] = f"{self.bin}:{env.get('PATH', '/usr/bin:/bin')}"
        if extra:
            env.update(extra)
        return env

    def start_program(self, executable, extra_files=(), files=None, env=None, args=(),
                      address_space=None, setup=None, folder=None):
        prog = WineProgram(self, Path(executable), extra_files, files or {}, env or {}, args,
                           address_space, setup, folder)
        self.programs.append(prog)
        return prog

    def wine(self, *args, timeout=60):
        """Runs a Wine tool (e.g. "winebrowser", URL) in this session's prefix."""
        return subprocess.run([wineprefix.wine_loader(), *args], env=self.env(),
                              stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)

    def wine_processes(self):
        return processes_with_prefix(self.prefix) if self.prefix is not None else []

    def close(self):
        if not self._closed and self.prefix is not None:
            self._end_wine()
        super().close()

    def _end_wine(self):
        try:
            subprocess.run([wineprefix.wineserver(), "-k"], env=self.env(),
                           stdin=subprocess.DEVNULL, capture_output=True, timeout=30)
            wait_until(lambda: not self.wine_processes(), timeout=10, interval=0.1,
                       what="the Wine processes of the prefix copy to end")
        except Exception:
            # Whatever -k missed is still ours: these pids run in this copy only.
            for pid in self.wine_processes():
                try:
                    os.kill(pid, 9)
                except OSError:
                    pass

    # -- the application's window

    def find_windows(self, title_prefix, pid=None, visible=True):
        """As in XSession, less the application's windows: titled with the application
        title, they own the main windows and are never seen (Wine maps them 1 x 1)."""
        def seen(win):
            info = win._info() or {}
            return (info.get("Width"), info.get("Height")) != ("1", "1")
        return [w for w in super().find_windows(title_prefix, pid, visible) if seen(w)]

    def taskbar_entry(self, win):
        """The application's window, which owns win."""
        owner = win.transient_for()
        check(owner is not None, f"{win} has no owner to stand for it on the taskbar")
        return Window(self, owner)

    # -- what the program opened

    def links(self):
        """The links at the recorder; Wine's shell opens "www." addresses as http
        links ending in "/", and hands the mailer its link encoded."""
        return [re.sub(r"^(http://[^/]*)/$", r"\1", urllib.parse.unquote(link)) for link in self.opened()]

    def viewed(self):
        """The Notepad windows open, Wine's viewer of documents."""
        return [(w.id, w.title()) for w in self.find_windows("") if notepad(w)]

    def wait_viewed(self, path, before):
        """A Notepad window new since `before` (viewed()) shows path (titled with its
        name, with or without the extension); on a missing file Notepad asks its own
        question, any new window of it will do. Wine starts Notepad slowly under load."""
        known = {wid for wid, _ in before}
        names = (path.name + " ", path.stem + " ")

        def new():
            return [w for w in self.find_windows("") if w.id not in known and notepad(w)
                    and (not path.exists() or w.title().startswith(names))]
        wait_until(new, timeout=90, what=f"Notepad on {path.name}", describe=self.viewed)

    # -- message boxes

    def check_box(self, box, caption, text):
        """Wine's boxes put no text on the clipboard: the box is known by its
        caption and owner only, whatever its text is meant to be."""
        check(box.title() == caption and box.transient_for(),
              f"box {box.title()!r} owned by {box.transient_for()}, want {caption!r} owned")

    # -- registration to start at logon

    def run_value(self):
        """The program's value under the Run key as (type, data); None without one.
        Read from `reg export`, whose file is UTF-16: `reg query` prints in the
        console's code page, which lacks most letters."""
        exported = self.scratch / "run.reg"
        exported.unlink(missing_ok=True)
        res = self.wine("reg", "export", RUN_KEY, "Z:" + str(exported).replace("/", "\\"), "/y")
        if res.returncode != 0 or not exported.exists():
            return None
        m = re.search(rf'^"{re.escape(self.registration)}"=(.*?)\r?$', exported.read_bytes().decode("utf-16"),
                      re.MULTILINE | re.IGNORECASE)
        if not m:
            return None
        data = m.group(1)
        if data.startswith('"'):
            return "REG_SZ", re.sub(r"\\(.)", r"\1", data[1:-1])
        kind, _, raw = data.partition(":")
        return _EXPORTED_TYPES.get(kind, kind), raw

    registration_data = run_value

    def register_elsewhere(self):
        """A Run value naming the program in another folder; returns that path."""
        res = self.wine("reg", "add", RUN_KEY, "/v", self.registration, "/t", "REG_SZ", "/d", STALE, "/f")
        check(res.returncode == 0, f"reg add failed: {res.stderr!r}")
        check(self.run_value() == ("REG_SZ", STALE), f"the stale value reads {self.run_value()}")
        return STALE

    def program_path(self, prog):
        """How Wine names the program's Linux path: on drive Z:, with backslashes."""
        return "Z:" + str(prog.exe).replace("/", "\\")

    def wait_registered(self, prog):
        """The Run value starts prog (prog None: there is none); Windows paths ignore case."""
        want = None if prog is None else ("REG_SZ", self.program_path(prog).lower())

        def now():
            value = self.run_value()
            return value and (value[0], value[1].lower())
        wait_until(lambda: now() == want, timeout=10, what=f"the Run value {want}", describe=now)

    def odd_registrations(self):
        """Puts in place, one at a time, Run values that are not strings."""
        try:
            for kind, data in (("REG_DWORD", "7"), ("REG_BINARY", "0102ff")):
                res = self.wine("reg", "add", RUN_KEY, "/v", self.registration, "/t", kind, "/d", data, "/f")
                check(res.returncode == 0, f"reg add {kind} failed: {res.stderr!r}")
                check((self.run_value() or [None])[0] == kind, f"the Run value reads {self.run_value()}")
                yield f"a {kind} value"
        finally:
            self.wine("reg", "delete", RUN_KEY, "/v", self.registration, "/f")

    # -- the main window

    def frame(self, exe):
        """Wine's caption and borders around the X window, measured once on a window
        at a stored placement that its close writes back unchanged."""
        if self.decorations is None:
            self.decorations = self._measure_decorations(exe)
        return self.decorations

    def _measure_decorations(self, exe):
        placed = dict(zip(("window_left_posn", "window_top_posn", "window_Width", "window_Height"),
                          MEASURED))
        prog = self.start_program(exe, files={INI: ini(**placed)})
        win = prog.wait_window(TITLE)
        decor = wv.Decorations(win, MEASURED)
        win.close()
        check(prog.wait_exit() == 0, "the program did not end cleanly")
        written = dict(line.split("=", 1) for line in prog.read(INI).split("\r\n")[1:] if line)
        check({k: int(written[k]) for k in placed} == placed, f"a placement within the limits came back as {written}")
        return decor

    def design_layout(self, win, last):
        """Waits for the layout below the menu bar, then sizes it to the design size."""
        wv.locate_layout(win, last=last)
        self.park_pointer()
        wv.show_design_layout(win, last)

    def show_year_view(self, win):
        self.design_layout(win, [None])

    def check_month_labels(self, img, red_month):
        wv.check_month_labels(img, red_month)
