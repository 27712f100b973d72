"""The Linux program's side of the scenarios both programs meet (scenarios/): the
harness's X session with a recording xdg-open first on PATH (links and documents
reach it, nothing opens), box texts read from the clipboard, the autostart folder
as the registration and the window manager's frame as the window's bounds.
WineSession answers the same calls for orrindale.exe."""

import os
import shlex
import subprocess
from pathlib import Path

import yearview as yv
from harness import E2EFailure, XSession, check, wait_until

MEMORY_LIMIT = 1 << 30  # bytes of address space: a window of 32767 x 32767 needs 4 GiB
STALE = "/old place/orrindale"
STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def clipboard_tool():
    default = Path(__file__).resolve().parents[2] / "build" / "e2e_clipboard_text"
    return os.environ.get("ORRINDALE_CLIPBOARD_TEXT", str(default))


def desktop_argv(value):
    """Splits an Exec value as the Desktop Entry specification says a desktop does:
    string escapes first, then arguments, quoted ones with \\", \\`, \\$ and \\\\ escaped,
    and "%%" for a literal percent sign."""
    line, i = "", 0
    while i < len(value):
        if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in STRING_ESCAPES:
            line += STRING_ESCAPES[value[i + 1]]
            i += 2
        else:
            line += value[i]
            i += 1
    args, current, in_arg, quoted, i = [], "", False, False, 0
    while i < len(line):
        c = line[i]
        if quoted and c == "\\" and i + 1 < len(line) and line[i + 1] in '"`$\\':
            current += line[i + 1]
            i += 1
        elif c == '"':
            quoted, in_arg = not quoted, True
        elif c == " " and not quoted:
            if in_arg:
                args.append(current)
            current, in_arg = "", False
        else:
            current, in_arg = current + c, True
        i += 1
    check(not quoted, f"Exec {value!r} leaves a quote open")
    if in_arg:
        args.append(current)
    return [a.replace("%%", "%") for a in args]


class Frame:
    """The Linux program's window bounds are those of the window manager's frame."""
    memory_limit = MEMORY_LIMIT

    def bounds(self, win):
        return win.outer_geometry()

    def title(self, win):
        """Height of the title bar above the client area."""
        return win.frame_extents()[2]


class LinuxSession(XSession):
    newline = "\n"
    registration = "orrindale"
    group_box_shade = 3  # Qt's Fusion style fills a group box a shade darker than the window

    def __init__(self, **kwargs):
        super().__init__(**kwargs)
        self.bin = None

    def __enter__(self):
        super().__enter__()
        try:
            self.bin = self.dir / "opener-bin"
            self.bin.mkdir()
            script = self.bin / "xdg-open"
            script.write_text("#!/bin/sh\nprintf '%s\\0' \"$#\" \"$@\" >> "
                              f"{shlex.quote(str(self.dir / 'opened.rec'))}\n")
            script.chmod(0o755)
        except BaseException:
            self.close()
            raise
        return self

    def env(self, extra=None):
        env = super().env()
        if self.bin is not None:
            env["PATH"] = f"{self.bin}:{env.get('PATH', '/usr/bin:/bin')}"
            env["BROWSER"] = ""
        env.update(extra or {})
        return env

    # -- what the programs opened

    def calls(self):
        """Each start of xdg-open, as its list of arguments."""
        record = self.dir / "opened.rec"
        fields = record.read_bytes().decode().split("\0")[:-1] if record.exists() else []
        calls = []
        while fields:
            count = int(fields.pop(0))
            calls.append(fields[:count])
            del fields[:count]
        return calls

    def links(self):
        """What each start was handed: the one argument as it came, or all of them
        in a list when there were more."""
        return [call[0] if len(call) == 1 else call for call in self.calls()]

    def viewed(self):
        return self.calls()

    def wait_viewed(self, path, before):
        """The opener handed path, as one argument, once since `before` (viewed())."""
        new = wait_until(lambda: self.calls()[len(before):], timeout=15,
                         what=f"xdg-open on {path.name}")
        check(new == [[str(path)]], f"xdg-open was handed {new}, want {path}")

    # -- message boxes

    def clipboard(self):
        return subprocess.run([clipboard_tool()], env=self.env(), stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=20).stdout.decode()

    def box_text(self, box):
        """The box's text as Ctrl+C copies it to the clipboard (the clipboard must
        change, so two boxes in a row must not say the same)."""
        before = self.clipboard()

        def copied():
            box.key("ctrl+c")
            text = self.clipboard()
            return text if text and text != before else None
        return wait_until(copied, timeout=10, interval=0.3, what="the box's text on the clipboard")

    def check_box(self, box, caption, text):
        """The box is a dialog of the program's, captioned caption, saying text (or
        a text for which text(said) holds)."""
        check(box.title() == caption and box.transient_for(),
              f"box {box.title()!r} owned by {box.transient_for()}, want {caption!r} owned")
        said = self.box_text(box)
        check(text(said) if callable(text) else said == text, f"the box says {said!r}, want {text!r}")

    # -- registration to start at login

    def autostart_entry(self):
        return self.dir / "home" / ".config" / "autostart" / "orrindale.desktop"

    def odd_registrations(self):
        """Puts in place, one at a time, a registration that is not a command line:
        an entry without an Exec key."""
        entry = self.autostart_entry()
        entry.parent.mkdir(parents=True, exist_ok=True)
        entry.write_bytes(b"[Desktop Entry]\nType=Application\nName=Orrindale\nComment=started by hand\n")
        try:
            yield "an entry without Exec"
        finally:
            entry.unlink()

    def register_elsewhere(self):
        """An entry starting the program from another folder, with a key of its own;
        returns that program's path."""
        entry = self.autostart_entry()
        entry.parent.mkdir(parents=True, exist_ok=True)
        entry.write_text("[Desktop Entry]\nType=Application\nName=Orrindale v1.0\n"
                         f"Comment=Kept when the entry is repaired\nExec=\"{STALE}\"\n")
        return STALE

    def program_path(self, prog):
        return str(prog.exe)

    def login_command(self):
        """What a desktop runs from the entry at login (None without one), once the
        entry passes desktop-file-validate."""
        entry = self.autostart_entry()
        if not entry.exists():
            return None
        res = subprocess.run(["desktop-file-validate", str(entry)], capture_output=True, text=True)
        check(res.returncode == 0, f"desktop-file-validate: {res.stdout}{res.stderr}")
        lines = [line for line in entry.read_text().splitlines() if line.startswith("Exec=")]
        check(len(lines) == 1, f"Exec lines {lines}")
        return desktop_argv(lines[0][len("Exec="):])

    def wait_registered(self, prog):
        """The entry starts prog at login (prog None: there is no entry)."""
        want = None if prog is None else [self.program_path(prog)]
        wait_until(lambda: self.login_command() == want, timeout=10, what=f"the entry to start {want}",
                   describe=self.login_command)

    def registration_data(self):
        entry = self.autostart_entry()
        return entry.read_bytes() if entry.exists() else None

    # -- the main window

    def frame(self, exe):
        return Frame()

    def design_layout(self, win, last):
        """Waits for the layout below any menu bar: without a settings file the
        client area takes the design size, so every grid stands at its design place."""
        def located():
            last[0] = win.screenshot()
            try:
                return yv.locate_content(win, last[0])
            except E2EFailure:
                return None
        wait_until(located, timeout=30, interval=0.25, what="Calendar1 to be painted",
                   describe=win.client_geometry)
        self.park_pointer()
        client = win.client_geometry()
        check((client.w, client.h - win.content_offset[1]) == yv.DESIGN_CLIENT,
              f"client area {client.w} x {client.h - win.content_offset[1]} below the menu, "
              f"want {yv.DESIGN_CLIENT[0]} x {yv.DESIGN_CLIENT[1]}")

        def placed():
            last[0] = win.screenshot()
            return not yv.grids_in_place(last[0])
        wait_until(placed, timeout=20, interval=0.25, what="the grids at their design places",
                   describe=lambda: f"missing {yv.grids_in_place(last[0])}")

    def check_month_labels(self, img, red_month):
        """red_month's label (None: none) has red text; every other label has dark
        text and not one red pixel (Qt smooths text, so only its hue counts)."""
        for m in range(1, 13):
            red, dark = yv.label_ink(img, m)
            name = f"Label{m} ({yv.MONTHS[m - 1]})"
            if m == red_month:
                check(red >= 3, f"{name} should be red: {red} red pixels")
            else:
                check(red == 0 and dark >= 3, f"{name} should be dark: {red} red, {dark} dark pixels")

    def show_year_view(self, win):
        """Waits until the year view is painted, at whatever size it opened."""
        yv.wait_painted(win)
