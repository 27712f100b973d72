"""Starting at logon, orrindale.exe under Wine: a stale value under the Run key
of HKEY_LOCAL_MACHINE (written with `wine reg add`) brings the Warning prompt
at start; Enter (Yes) rewrites it with the program's own path (`wine reg
query` shows it) and the Information box follows; the File menu item is
checked (the close writes it to the settings file). A copy elsewhere is
offered the repair, Escape (No) keeps the value, and the File menu command
then removes it, with its box."""

import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK, INI  # noqa: E402
from winesession import WineSession  # noqa: E402

RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
NAME = "orrindale.exe"
STALE = r"C:\Old Place\orrindale.exe"


def registered(x):
    """The value's data under the Run key, as `wine reg query` shows it; None without one."""
    res = x.wine("reg", "query", RUN_KEY, "/v", NAME)
    if res.returncode != 0:
        return None
    out = res.stdout.decode("utf-8", errors="replace")
    m = re.search(rf"^\s*{re.escape(NAME)}\s+REG_SZ\s+(.*?)\r?$", out, re.MULTILINE | re.IGNORECASE)
    check(m, f"reg query shows no string value: {out!r}")
    return m.group(1)


def windows_path(path):
    """How Wine names a Linux path: on drive Z:, with backslashes."""
    return "Z:" + str(path).replace("/", "\\")


def answer(x, prog, caption, key, known=()):
    box = x.wait_new_window(caption, known=known, pid=prog.pid)
    check(box.title() == caption, f"box captioned {box.title()!r}")
    box.key(key)
    x.wait_no_window(caption, pid=prog.pid)


def started(prog):
    win = prog.wait_window(TITLE)
    win.wait_title(lambda t: CLOCK.match(t), timeout=10, what="the clock caption")
    return win


def close_checked(prog, win):
    """Closes through File, Exit; the auto-run check mark as the close saved it."""
    wv.file_menu(win, "x")
    check(prog.wait_exit() == 0, "File, Exit did not end the program cleanly")
    values = dict(line.split("=", 1) for line in prog.read(INI).split("\r\n")[1:] if line)
    return values["Auto_Run_at_Windows_Startup_Option"] == "1"


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        try:
            res = x.wine("reg", "add", RUN_KEY, "/v", NAME, "/t", "REG_SZ", "/d", STALE, "/f")
            check(res.returncode == 0, f"reg add failed: {res.stderr!r}")
            check(registered(x) == STALE, f"the stale value reads {registered(x)!r}")

            prog = x.start_program(exe)
            answer(x, prog, "Warning", "Return")
            answer(x, prog, "Information", "Return")
            win = started(prog)
            here = windows_path(prog.exe)
            wait_until(lambda: (registered(x) or "").lower() == here.lower(), timeout=10,
                       what=f"the Run value to become {here}", describe=lambda: registered(x))
            check(close_checked(prog, win), "the File menu item was not checked after the repair")

            # A copy in another folder is offered the repair; No keeps the value, and
            # the item, checked from it, disables the registration.
            moved = x.start_program(exe)
            answer(x, moved, "Warning", "Escape")
            win = started(moved)
            check((registered(x) or "").lower() == here.lower(), f"No changed the value to {registered(x)!r}")
            wv.file_menu(win, "a")
            answer(x, moved, "Information", "Return", known=[win])
            wait_until(lambda: registered(x) is None, timeout=10, what="the Run value to be removed",
                       describe=lambda: registered(x))
            check(not close_checked(moved, win), "the File menu item stayed checked after disabling")
        except E2EFailure:
            for p in x.programs:
                print(p.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
