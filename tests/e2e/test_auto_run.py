"""Starting at login on a Linux desktop: a stale entry in the autostart folder
brings the Warning prompt with both paths at start, Enter (Yes) rewrites it and
the Information box follows; the entry then starts the program as a desktop
would at login, without a prompt. Enabling and disabling from the File menu,
each with its Information box; a copy of the program in another folder is
offered the repair and No keeps the entry. The File menu's check mark is read
from the settings file each close writes."""

import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (TITLE, E2EFailure, Program, XSession, check, run_scenario, run_test,  # noqa: E402
                     wait_until)

INI = "orrindale.ini"
ENTRY = "orrindale.desktop"
ENABLED = "This program (orrindale) will now run automatically at Windows Start-Up."
DISABLED = "This program (orrindale) will now no-longer run automatically at Windows Start-Up."
STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def clipboard_tool():
    default = Path(__file__).resolve().parents[2] / "build" / "e2e_clipboard_text"
    return os.environ.get("ORRINDALE_CLIPBOARD_TEXT", str(default))


def clipboard(x):
    return subprocess.run([clipboard_tool()], env=x.env(), stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=20).stdout.decode()


def box_text(x, box):
    """The box's text as Ctrl+C copies it to the clipboard (a box follows one with
    other words in every scenario here, so a change shows the copy arrived)."""
    before = clipboard(x)

    def copied():
        box.key("ctrl+c")
        text = clipboard(x)
        return text if text and text != before else None
    return wait_until(copied, timeout=10, interval=0.3, what="the box's text on the clipboard")


def answer(x, prog, caption, key, expect, known=()):
    """Waits for the box, checks its text with expect(text) and presses key."""
    box = x.wait_new_window(caption, known=known, pid=prog.pid)
    text = box_text(x, box)
    check(expect(text), f"{caption} box says {text!r}")
    box.key(key)
    x.wait_no_window(caption, pid=prog.pid)


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


class LoginStart(Program):
    """What a desktop runs at login: the entry's Exec, split as a desktop splits it."""

    def __init__(self, session, argv):
        self.argv = argv
        super().__init__(session, Path(argv[0]), (), {}, {}, ())
        session.programs.append(self)

    def command(self, args):
        return list(self.argv)


def autostart(x):
    return x.dir / "home" / ".config" / "autostart"


def exec_of(entry):
    lines = [line for line in entry.read_text().splitlines() if line.startswith("Exec=")]
    check(len(lines) == 1, f"Exec lines {lines}")
    return lines[0][len("Exec="):]


def check_entry_starts(x, prog):
    entry = autostart(x) / ENTRY
    check(entry.exists(), "no autostart entry")
    res = subprocess.run(["desktop-file-validate", str(entry)], capture_output=True, text=True)
    check(res.returncode == 0, f"desktop-file-validate: {res.stdout}{res.stderr}")
    argv = desktop_argv(exec_of(entry))
    check(argv == [str(prog.exe)], f"the entry starts {argv}, not {prog.exe}")
    return argv


def close_checked(prog, win):
    """Closes the window; the File menu's auto-run check mark as the close saved it."""
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    values = dict(line.split("=", 1) for line in prog.read(INI).splitlines()[1:] if line)
    return values["Auto_Run_at_Windows_Startup_Option"] == "1"


def stale_entry_repaired(x, exe):
    autostart(x).mkdir(parents=True, exist_ok=True)
    (autostart(x) / ENTRY).write_text("[Desktop Entry]\nType=Application\nName=Orrindale v1.0\n"
                                      "Comment=Kept when the entry is repaired\n"
                                      'Exec="/old place/orrindale"\n')
    prog = x.start_program(exe)
    answer(x, prog, "Warning", "Return", lambda t: (
        " Old      = /old place/orrindale\n" in t and f" Current = {prog.exe}\n" in t
        and t.startswith("The directory / path settings required to make this program (orrindale)")))
    answer(x, prog, "Information", "Return", lambda t: t == ENABLED)
    win = prog.wait_window(TITLE)
    argv = check_entry_starts(x, prog)
    check("Comment=Kept when the entry is repaired\n" in (autostart(x) / ENTRY).read_text(),
          "the repair dropped the entry's other keys")
    check(close_checked(prog, win), "the File menu item was not checked after the repair")

    # The next login starts it from the entry: no prompt, the item checked.
    login = LoginStart(x, argv)
    win = login.wait_window(TITLE)
    check(not x.find_windows("Warning", pid=login.pid), "the repaired entry prompted again")
    win.close()
    check(login.wait_exit() == 0, "the program started at login did not end cleanly")
    values = dict(line.split("=", 1) for line in prog.read(INI).splitlines()[1:] if line)
    check(values["Auto_Run_at_Windows_Startup_Option"] == "1", "unchecked when started at login")


def enable_and_disable_from_the_menu(x, exe):
    (x.dir / "home" / ".config").mkdir(parents=True, exist_ok=True)
    prog = x.start_program(exe)
    win = prog.wait_window(TITLE)
    check(not x.find_windows("Warning", pid=prog.pid), "a prompt without any entry")

    win.key("alt+f")
    x.key("a")
    answer(x, prog, "Information", "Return", lambda t: t == ENABLED, known=[win])
    check_entry_starts(x, prog)
    win.key("alt+f")
    x.key("a")
    answer(x, prog, "Information", "Return", lambda t: t == DISABLED, known=[win])
    check(not (autostart(x) / ENTRY).exists(), "disabling left the entry")

    win.key("alt+f")
    x.key("a")
    answer(x, prog, "Information", "Return", lambda t: t == ENABLED, known=[win])
    check(close_checked(prog, win), "the File menu item was not checked after enabling")

    # The program moved: its next start offers the repair; No keeps the entry and the mark.
    moved = x.start_program(exe)
    check(moved.folder != prog.folder, "the second copy shares the first one's folder")
    answer(x, moved, "Warning", "Escape", lambda t: (
        f" Old      = {prog.exe}\n" in t and f" Current = {moved.exe}\n" in t))
    win = moved.wait_window(TITLE)
    check(desktop_argv(exec_of(autostart(x) / ENTRY)) == [str(prog.exe)], "No changed the entry")
    check(close_checked(moved, win), "the File menu item was not checked after No")


def main():
    exe = Path(sys.argv[1])
    check(Path(clipboard_tool()).exists(), f"no clipboard reader at {clipboard_tool()}")
    for scenario in (stale_entry_repaired, enable_and_disable_from_the_menu):
        # A session each: one home, one autostart folder.
        with XSession() as x:
            run_scenario(x, scenario, exe)
    return 0


if __name__ == "__main__":
    run_test(main)
