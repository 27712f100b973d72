"""End-to-end harness: a private Xvfb + openbox, the program run from a fresh
temporary folder, and X-tool helpers to drive it and read what it shows.

Stdlib only; the X side goes through Xvfb, openbox, xdotool, xprop, xwininfo,
wmctrl and ImageMagick's import.

    with XSession() as x:
        prog = x.start_program(exe)
        win = prog.wait_window("Orrindale v1.0")
        win.click(202, 550)
        shot = win.screenshot()
"""

import atexit
import ctypes
import os
import re
import resource
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time
import traceback
import zlib
from collections import Counter
from pathlib import Path

TITLE = "Orrindale v1.0"
SKIP = 77  # CTest SKIP_RETURN_CODE

# Environment variables that would change how Qt scales, styles or connects.
_SCRUBBED_ENV = (
    "WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER",
    "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR",
    "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI", "QT_QPA_PLATFORMTHEME",
    "QT_STYLE_OVERRIDE", "QT_DEVICE_PIXEL_RATIO", "XDG_SESSION_TYPE",
)


class E2EFailure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise E2EFailure(message)


def wait_until(predicate, timeout=20.0, interval=0.1, what="condition", describe=None):
    """Polls predicate until it returns a truthy value, which is returned.
    On timeout fails, adding describe() (the last observed state) if given."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            detail = ""
            if describe is not None:
                try:
                    detail = ": " + str(describe())
                except Exception as exc:  # diagnostics must not hide the timeout
                    detail = f": (could not describe state: {exc})"
            raise E2EFailure(f"timed out after {timeout:g} s waiting for {what}{detail}")
        time.sleep(interval)


def _die_with_parent():
    # Children get SIGKILL if the harness itself is killed (e.g. a CTest timeout),
    # so no X server is ever left behind.
    try:
        libc = ctypes.CDLL(None, use_errno=True)
        libc.prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
    except Exception:
        pass
    os.setpgrp()


def _stop_process(proc, grace=5.0):
    if proc is None or proc.poll() is not None:
        return
    try:
        os.killpg(proc.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    except PermissionError:
        proc.terminate()
    try:
        proc.wait(grace)
    except subprocess.TimeoutExpired:
        try:
            os.killpg(proc.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        proc.wait(grace)


# ---------------------------------------------------------------- images

class Image:
    """An RGB screenshot: pixel(x, y) -> (r, g, b)."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, bytes(data)
        check(len(self.data) == width * height * 3, "image data size mismatch")

    @classmethod
    def from_ppm(cls, blob):
        # P6 header: magic, width, height, maxval, each separated by whitespace
        # (comments are not produced by ImageMagick here).
        fields, pos = [], 0
        while len(fields) < 4:
            while blob[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not blob[pos:pos + 1].isspace():
                pos += 1
            fields.append(blob[start:pos])
        pos += 1
        check(fields[0] == b"P6", f"not a binary PPM: {fields[0]!r}")
        width, height, maxval = (int(f) for f in fields[1:])
        check(maxval == 255, f"PPM depth {maxval} is not 8 bits")
        return cls(width, height, blob[pos:pos + width * height * 3])

    def pixel(self, x, y):
        if not (0 <= x < self.width and 0 <= y < self.height):
            raise IndexError(f"pixel ({x}, {y}) outside {self.width}x{self.height}")
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def crop(self, x, y, w, h):
        x0, y0 = max(0, x), max(0, y)
        x1, y1 = min(self.width, x + w), min(self.height, y + h)
        check(x1 > x0 and y1 > y0, f"crop {w}x{h}+{x}+{y} outside the image")
        rows = [self.data[(r * self.width + x0) * 3:(r * self.width + x1) * 3]
                for r in range(y0, y1)]
        return Image(x1 - x0, y1 - y0, b"".join(rows))

    def pixels(self, x, y, w, h):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                yield self.pixel(xx, yy)

    def colours(self, x, y, w, h):
        return Counter(self.pixels(x, y, w, h))

    def count(self, x, y, w, h, predicate):
        return sum(1 for p in self.pixels(x, y, w, h) if predicate(p))

    def same_share(self, other):
        """The share of pixels equal in both images; 0 when their sizes differ."""
        if (self.width, self.height) != (other.width, other.height):
            return 0.0
        same = sum(1 for i in range(0, len(self.data), 3)
                   if self.data[i:i + 3] == other.data[i:i + 3])
        return same / (self.width * self.height)

    def save_png(self, path):
        raw = b"".join(b"\0" + self.data[r * self.width * 3:(r + 1) * self.width * 3]
                       for r in range(self.height))

        def chunk(kind, body):
            return (struct.pack(">I", len(body)) + kind + body
                    + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

        png = (b"\x89PNG\r\n\x1a\n"
               + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
               + chunk(b"IDAT", zlib.compress(raw, 9))
               + chunk(b"IEND", b""))
        Path(path).write_bytes(png)


# ---------------------------------------------------------------- X session

class XSession:
    """A private X server (Xvfb) with openbox, torn down on exit, on an
    exception and on SIGTERM/SIGHUP/SIGINT."""

    def __init__(self, width=1280, height=1024, window_manager=True, keep_dir=False, margins=None):
        self.size = (width, height)
        self.window_manager = window_manager
        # (left, right, top, bottom) kept free by the window manager, as a desktop's
        # panels are: the work area is the screen less these.
        self.margins = margins
        self.keep_dir = keep_dir
        self.dir = None
        self.display = None
        self.xvfb = None
        self.wm = None
        self.programs = []
        self._old_handlers = {}
        self._closed = False

    # -- lifecycle

    def __enter__(self):
        self._install_signal_handlers()
        atexit.register(self.close)
        try:
            self.dir = Path(tempfile.mkdtemp(prefix="orrindale-e2e-"))
            self._start_xvfb()
            if self.window_manager:
                self._start_wm()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        if self._closed:
            return
        self._closed = True
        for prog in reversed(self.programs):
            prog.stop()
        _stop_process(self.wm)
        _stop_process(self.xvfb)
        if self.dir is not None and not self.keep_dir:
            shutil.rmtree(self.dir, ignore_errors=True)
        self._restore_signal_handlers()
        atexit.unregister(self.close)

    def _install_signal_handlers(self):
        def handler(signum, _frame):
            raise SystemExit(128 + signum)
        try:
            for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
                self._old_handlers[sig] = signal.signal(sig, handler)
        except ValueError:  # not the main thread: rely on the context manager
            self._old_handlers.clear()

    def _restore_signal_handlers(self):
        for sig, old in self._old_handlers.items():
            signal.signal(sig, old)
        self._old_handlers.clear()

    def _log(self, name):
        return open(self.dir / f"{name}.log", "wb")

    def log_text(self, name):
        path = self.dir / f"{name}.log"
        return path.read_text(errors="replace") if path.exists() else ""

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        try:
            with self._log("xvfb") as log:
                self.xvfb = subprocess.Popen(
                    ["Xvfb", "-displayfd", str(write_fd), "-screen", "0",
                     f"{self.size[0]}x{self.size[1]}x24", "-dpi", "96",
                     "-nolisten", "tcp", "-noreset"],
                    pass_fds=(write_fd,), stdin=subprocess.DEVNULL, stdout=log,
                    stderr=subprocess.STDOUT, preexec_fn=_die_with_parent)
            os.close(write_fd)
            write_fd = None
            text, deadline = b"", time.monotonic() + 30
            while not text.endswith(b"\n"):
                left = deadline - time.monotonic()
                ready, _, _ = select.select([read_fd], [], [], max(0, left))
                chunk = os.read(read_fd, 64) if ready else b""
                if not chunk:
                    raise E2EFailure("Xvfb did not report a display: " + self.log_text("xvfb"))
                text += chunk
        finally:
            os.close(read_fd)
            if write_fd is not None:
                os.close(write_fd)
        self.display = ":" + text.decode().strip()
        wait_until(lambda: self._try("xdpyinfo") or self._try("xprop", "-root", "_NET_NONE"),
                   timeout=20, what="the X server to accept clients")

    def _wm_config(self):
        """openbox's own configuration with this session's margins in it."""
        left, right, top, bottom = self.margins
        text = Path("/etc/xdg/openbox/rc.xml").read_text()
        margins = (f"<margins><top>{top}</top><bottom>{bottom}</bottom>"
                   f"<left>{left}</left><right>{right}</right></margins>")
        text, n = re.subn(r"<margins>.*?</margins>", margins, text, flags=re.S)
        check(n == 1, "openbox's rc.xml has no margins to set")
        path = self.dir / "openbox-rc.xml"
        path.write_text(text)
        return ["--config-file", str(path)]

    def _start_wm(self):
        home = self.dir / "home"
        home.mkdir(exist_ok=True)
        config = self._wm_config() if self.margins else []
        with self._log("openbox") as log:
            self.wm = subprocess.Popen(
                ["openbox", "--sm-disable", *config], env=self.env({"HOME": str(home)}),
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                preexec_fn=_die_with_parent)

        def wm_ready():
            check(self.wm.poll() is None, "openbox exited: " + self.log_text("openbox"))
            out = self._try("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")
            return out is not None and "window id" in out
        wait_until(wm_ready, timeout=30, what="openbox to manage the screen")
        if self.margins:
            left, right, top, bottom = self.margins
            want = Rect(left, top, self.size[0] - left - right, self.size[1] - top - bottom)
            wait_until(lambda: (self.work_area() or ()) == tuple(want), timeout=10,
                       what=f"the work area {want}", describe=self.work_area)

    # -- running X tools

    def env(self, extra=None):
        env = {k: v for k, v in os.environ.items() if k not in _SCRUBBED_ENV}
        env["DISPLAY"] = self.display
        env["QT_QPA_PLATFORM"] = "xcb"
        if extra:
            env.update(extra)
        return env

    def run(self, *args, timeout=20, check_rc=True, binary=False):
        """Runs one X tool on this display and returns its standard output."""
        res = subprocess.run(list(args), env=self.env(), stdin=subprocess.DEVNULL,
                             capture_output=True, timeout=timeout)
        if check_rc and res.returncode != 0:
            raise E2EFailure(f"{' '.join(map(str, args))} failed ({res.returncode}): "
                             + res.stderr.decode(errors="replace").strip())
        return res.stdout if binary else res.stdout.decode(errors="replace")

    def _try(self, *args):
        try:
            res = subprocess.run(list(args), env=self.env(), stdin=subprocess.DEVNULL,
                                 capture_output=True, timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            return None
        return res.stdout.decode(errors="replace") if res.returncode == 0 else None

    # -- screen

    def screenshot(self):
        """The whole screen as an Image."""
        return Image.from_ppm(self.run("import", "-window", "root", "-depth", "8", "ppm:-",
                                       binary=True, timeout=30))

    def work_area(self):
        """The first desktop's work area (_NET_WORKAREA): the screen less panels and margins."""
        out = self._try("xprop", "-root", "_NET_WORKAREA") or ""
        values = [int(v) for v in re.findall(r"\d+", out.partition("=")[2])]
        return Rect(*values[:4]) if len(values) >= 4 else None

    def stacking(self):
        """Ids of the managed top-level windows, bottom to top."""
        out = self.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
        return [int(v, 16) for v in re.findall(r"0x[0-9a-fA-F]+", out)]

    def pointer_to(self, x, y):
        self.run("xdotool", "mousemove", "--sync", str(x), str(y))

    def park_pointer(self):
        """Moves the pointer to the bottom-right screen corner, off any window
        that might react to hovering (tooltips, hot buttons)."""
        self.pointer_to(self.size[0] - 1, self.size[1] - 1)

    def key(self, *keys):
        """Sends key presses (xdotool key names, e.g. "Return", "Escape",
        "alt+x") to whatever window has the keyboard focus."""
        self.run("xdotool", "key", "--clearmodifiers", *keys)

    def type_text(self, text):
        self.run("xdotool", "type", "--clearmodifiers", "--delay", "20", text)

    def active_window(self):
        out = self._try("xdotool", "getactivewindow")
        return Window(self, int(out.split()[0])) if out and out.strip() else None

    # -- windows

    def find_windows(self, title_prefix, pid=None, visible=True):
        """Windows whose title starts with title_prefix (case-sensitive)."""
        args = ["xdotool", "search"]
        if visible:
            args.append("--onlyvisible")
        if pid is not None:
            # Without --all a window matching the name alone would do.
            args += ["--all", "--pid", str(pid)]
        args += ["--name", "^" + re.escape(title_prefix)]
        out = self._try(*args)
        if not out:
            return []
        found = []
        for wid in out.split():
            win = Window(self, int(wid))
            title = win.title()
            if title is not None and title.startswith(title_prefix):
                found.append(win)
        return found

    def wait_window(self, title_prefix, timeout=30, pid=None, process=None):
        """Waits for exactly one visible window titled title_prefix... and for
        the window manager to have framed it."""
        def one():
            if process is not None:
                process.check_running()
            wins = self.find_windows(title_prefix, pid=pid)
            check(len(wins) <= 1, f"{len(wins)} windows titled {title_prefix!r}...")
            return wins[0] if wins and wins[0].is_viewable() else None
        win = wait_until(one, timeout=timeout, interval=0.2,
                         what=f"a window titled {title_prefix!r}...")
        if self.window_manager:
            wait_until(win.frame_extents_or_none, timeout=timeout,
                       what="openbox to frame the window")
        return win

    def wait_new_window(self, title_prefix, known=(), timeout=20, pid=None):
        """Waits for a visible window titled title_prefix... that is not one of
        `known` (Windows or ids), e.g. a message box with the program's title."""
        known_ids = {getattr(w, "id", w) for w in known}

        def new():
            fresh = [w for w in self.find_windows(title_prefix, pid=pid) if w.id not in known_ids]
            return fresh[0] if fresh else None
        return wait_until(new, timeout=timeout, interval=0.2,
                          what=f"a new window titled {title_prefix!r}...")

    def wait_no_window(self, title_prefix, timeout=20, pid=None):
        wait_until(lambda: not self.find_windows(title_prefix, pid=pid), timeout=timeout,
                   what=f"no window titled {title_prefix!r}...")

    def taskbar_entry(self, win):
        """The window that stands for win's program on the taskbar: win itself."""
        return win

    # -- programs

    def start_program(self, executable, extra_files=(), files=None, env=None, args=(),
                      address_space=None, setup=None, folder=None):
        """Copies executable (plus extra_files, and files = {name: text or
        bytes} written fresh) into a new folder (named folder, or run<n>) and
        starts it from there; address_space (bytes) limits its memory, so that a
        runaway fails alone; setup(folder) prepares what files cannot (links,
        modes) before the start."""
        prog = Program(self, Path(executable), extra_files, files or {}, env or {}, args,
                       address_space, setup, folder)
        self.programs.append(prog)
        return prog


class Program:
    """The program under test, run from its own temporary folder."""

    def __init__(self, session, executable, extra_files, files, env, args, address_space=None,
                 setup=None, folder=None):
        self.session = session
        check(executable.is_file(), f"program not found: {executable}")
        n = len(session.programs)
        self.folder = session.dir / (folder or f"run{n}")
        self.folder.mkdir(exist_ok=folder is not None)
        self.exe = self.folder / executable.name
        shutil.copy2(executable, self.exe)
        for extra in extra_files:
            shutil.copy2(extra, self.folder / Path(extra).name)
        for name, content in files.items():
            self.write(name, content)
        if setup is not None:
            setup(self.folder)
        home = session.dir / "home"
        home.mkdir(exist_ok=True)
        runtime = session.dir / "runtime"
        runtime.mkdir(mode=0o700, exist_ok=True)
        self.env = session.env({
            "HOME": str(home),
            "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_RUNTIME_DIR": str(runtime),
            "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
            "NO_AT_BRIDGE": "1", "QT_ACCESSIBILITY": "0",
        })
        self.env.update(env)
        self.address_space = address_space
        self._spawn(args, n)

    def _spawn(self, args, n):
        self.log_path = self.session.dir / f"run{n}-output.log"
        address_space = self.address_space

        def prepare():
            _die_with_parent()
            if address_space is not None:
                resource.setrlimit(resource.RLIMIT_AS, (address_space, address_space))
        with open(self.log_path, "wb") as log:
            self.proc = subprocess.Popen(
                self.command(args), cwd=self.folder, env=self.env,
                stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT,
                preexec_fn=prepare)

    def rerun(self, args=()):
        """The same copy started again from its folder once this run has ended, so
        that it meets whatever this run left there."""
        check(not self.running(), "the program is still running")
        again = object.__new__(type(self))
        again.__dict__.update(self.__dict__)
        again._spawn(args, len(self.session.programs))
        self.session.programs.append(again)
        return again

    def command(self, args):
        """The command line that starts the copied executable; a subclass may
        put a loader in front (Wine)."""
        return [str(self.exe), *args]

    @property
    def pid(self):
        return self.proc.pid

    def output(self):
        return self.log_path.read_text(errors="replace") if self.log_path.exists() else ""

    def running(self):
        return self.proc.poll() is None

    def check_running(self):
        rc = self.proc.poll()
        check(rc is None, f"the program exited with code {rc}; output:\n{self.output()}")

    def peak_memory_kb(self):
        """The most physical memory the process has held so far (VmHWM)."""
        status = Path(f"/proc/{self.pid}/status").read_text()
        m = re.search(r"^VmHWM:\s+(\d+) kB", status, re.MULTILINE)
        check(m, f"no VmHWM for pid {self.pid}")
        return int(m.group(1))

    def wait_window(self, title_prefix=TITLE, timeout=30):
        return self.session.wait_window(title_prefix, timeout=timeout, pid=self.pid,
                                        process=self)

    def wait_exit(self, timeout=20):
        """Waits for the program to end by itself; returns its exit code."""
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"the program did not exit within {timeout} s") from None

    def stop(self):
        _stop_process(self.proc)

    def wait_file(self, name, timeout=20):
        """Waits for a file beside the executable to exist; returns its path."""
        return wait_until(lambda: self.exists(name) and self.path(name), timeout=timeout,
                          what=f"{name} beside the program")

    def path(self, name):
        return self.folder / name

    def exists(self, name):
        return self.path(name).exists()

    def read(self, name):
        """A file beside the executable as text (Latin-1, byte for byte)."""
        return self.path(name).read_bytes().decode("latin-1")

    def write(self, name, content):
        data = content.encode("latin-1") if isinstance(content, str) else content
        self.path(name).write_bytes(data)


class Rect:
    def __init__(self, x, y, w, h):
        self.x, self.y, self.w, self.h = x, y, w, h

    def __iter__(self):
        return iter((self.x, self.y, self.w, self.h))

    def __eq__(self, other):
        return tuple(self) == tuple(other)

    def __repr__(self):
        return f"Rect({self.x}, {self.y}, {self.w}, {self.h})"


class Window:
    """A top-level X window (the client window the program created; openbox
    wraps it in a frame). Client coordinates are relative to content_offset
    inside the client window, which a test can move below a menu bar."""

    def __init__(self, session, wid):
        self.session = session
        self.id = wid
        self.content_offset = (0, 0)

    def __repr__(self):
        return f"Window(0x{self.id:x})"

    def _xprop(self, prop):
        return self.session._try("xprop", "-id", str(self.id), prop) or ""

    def title(self):
        out = self.session._try("xdotool", "getwindowname", str(self.id))
        return None if out is None else out.rstrip("\n")

    def wait_title(self, predicate, timeout=10, what="the title"):
        return wait_until(lambda: (lambda t: t if t is not None and predicate(t) else None)(self.title()),
                          timeout=timeout, what=what, describe=self.title)

    def _info(self):
        out = self.session._try("xwininfo", "-id", str(self.id))
        if out is None:
            return None
        info = {}
        for line in out.splitlines():
            key, sep, value = line.strip().partition(":")
            if sep:
                info[key.strip()] = value.strip()
        return info

    def exists(self):
        return self._info() is not None

    def is_viewable(self):
        info = self._info()
        return info is not None and info.get("Map State") == "IsViewable"

    def client_geometry(self):
        """Absolute screen position and size of the client area."""
        info = self._info()
        check(info is not None, f"{self} is gone")
        return Rect(int(info["Absolute upper-left X"]), int(info["Absolute upper-left Y"]),
                    int(info["Width"]), int(info["Height"]))

    def frame_extents_or_none(self):
        m = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", self._xprop("_NET_FRAME_EXTENTS"))
        return tuple(int(v) for v in m.groups()) if m else None

    def frame_extents(self):
        """(left, right, top, bottom) decoration widths from the window manager."""
        ext = self.frame_extents_or_none()
        check(ext is not None, f"{self} has no _NET_FRAME_EXTENTS")
        return ext

    def outer_geometry(self):
        """Absolute position and size including the window manager's frame."""
        c = self.client_geometry()
        left, right, top, bottom = self.frame_extents()
        return Rect(c.x - left, c.y - top, c.w + left + right, c.h + top + bottom)

    def wm_state(self):
        """The _NET_WM_STATE atoms, e.g. {"_NET_WM_STATE_ABOVE"}."""
        out = self._xprop("_NET_WM_STATE")
        _, sep, atoms = out.partition("=")
        return {a.strip() for a in atoms.split(",") if a.strip()} if sep else set()

    def transient_for(self):
        """The id of the window this one is a dialog of, or None."""
        m = re.search(r"window id # (0x[0-9a-fA-F]+)", self._xprop("WM_TRANSIENT_FOR"))
        return int(m.group(1), 16) if m else None

    def is_box(self):
        """A dialog or box of another window (a main window may have an owner too)."""
        return self.transient_for() and "_NET_WM_WINDOW_TYPE_DIALOG" in self._xprop("_NET_WM_WINDOW_TYPE")

    def is_above(self):
        return "_NET_WM_STATE_ABOVE" in self.wm_state()

    def is_maximized(self):
        state = self.wm_state()
        return {"_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ"} <= state

    # -- input

    def to_screen(self, x, y):
        c = self.client_geometry()
        return c.x + self.content_offset[0] + x, c.y + self.content_offset[1] + y

    def click(self, x, y, button=1, times=1):
        """Clicks at client position (x, y)."""
        sx, sy = self.to_screen(x, y)
        self.session.run("xdotool", "mousemove", "--sync", str(sx), str(sy),
                         "click", "--repeat", str(times), str(button))

    def activate(self):
        self.session.run("xdotool", "windowactivate", "--sync", str(self.id))

    def key(self, *keys):
        """Activates the window, then sends the keys to the focused window."""
        self.activate()
        self.session.key(*keys)

    def move(self, x, y):
        """Moves the frame's top-left corner to (x, y) on the screen."""
        self.session.run("wmctrl", "-i", "-r", hex(self.id), "-e", f"0,{x},{y},-1,-1")

    def resize(self, w, h):
        """Resizes the client area (xdotool windowsize)."""
        self.session.run("xdotool", "windowsize", "--sync", str(self.id), str(w), str(h))

    def resize_outer(self, w, h):
        """Resizes so that the frame, decoration included, is w x h."""
        left, right, top, bottom = self.frame_extents()
        self.resize(w - left - right, h - top - bottom)

    def maximize(self, on=True):
        action = "add" if on else "remove"
        self.session.run("wmctrl", "-i", "-r", hex(self.id), "-b",
                         f"{action},maximized_vert,maximized_horz")
        wait_until(lambda: self.is_maximized() == on, timeout=10,
                   what=f"maximised state {on}", describe=self.wm_state)

    def is_minimized(self):
        return "_NET_WM_STATE_HIDDEN" in self.wm_state()

    def minimize(self, entry=None):
        """Minimises through the window manager, as the minimise box does; the
        program's taskbar entry (this window unless named) shows the state."""
        entry = entry or self
        self.session.run("xdotool", "windowminimize", "--sync", str(self.id))
        wait_until(entry.is_minimized, timeout=10, what="the window to be minimised",
                   describe=entry.wm_state)

    def close(self):
        """Asks politely through the window manager, as the close box does."""
        self.session.run("wmctrl", "-i", "-c", hex(self.id))

    # -- pixels

    def screenshot(self):
        """The client area (from content_offset on) as an Image."""
        c = self.client_geometry()
        dx, dy = self.content_offset
        return self.session.screenshot().crop(c.x + dx, c.y + dy, c.w - dx, c.h - dy)

    def outer_screenshot(self):
        """The window with its frame as an Image."""
        o = self.outer_geometry()
        return self.session.screenshot().crop(*o)


def run_scenario(x, scenario, *args):
    """Runs one scenario of a test in session x and returns what it returns; on a
    failure the programs' output goes to stderr and the failure names the scenario."""
    try:
        return scenario(x, *args)
    except E2EFailure as exc:
        for prog in x.programs:
            print(prog.output(), file=sys.stderr)
        raise E2EFailure(f"{scenario.__name__}: {exc}") from exc


def run_test(main, name=None):
    """Runs main() and exits 0 on success, 1 on failure and SKIP when main
    returns SKIP. On failure, screenshots saved with save_artifact() are kept
    in the current folder (CTest runs tests in the build tree)."""
    name = name or Path(sys.argv[0]).stem
    try:
        rc = main()
    except E2EFailure as exc:
        print(f"FAIL {name}: {exc}", file=sys.stderr)
        traceback.print_tb(exc.__traceback__, file=sys.stderr)
        sys.exit(1)
    except Exception:
        traceback.print_exc()
        sys.exit(1)
    if rc == SKIP:
        print(f"SKIP {name}")
        sys.exit(SKIP)
    print(f"PASS {name}")
    sys.exit(0)


def save_artifact(image, label):
    """Saves an image beside the test's working folder for a failure report."""
    path = Path.cwd() / f"{Path(sys.argv[0]).stem}-{label}.png"
    try:
        image.save_png(path)
        print(f"saved {path}", file=sys.stderr)
    except Exception as exc:
        print(f"could not save {path}: {exc}", file=sys.stderr)
    return path
