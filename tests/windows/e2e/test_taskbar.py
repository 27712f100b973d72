"""orrindale.exe's taskbar entry under Wine: the application's window, owner of the
main window, keeps the application title while the caption ticks. Minimised, by its minimise box or by a launcher, the window goes with the
entry; activating the entry, as a taskbar click does, brings it back with the keyboard."""

import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import wineprefix  # noqa: E402
from harness import TITLE, check, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK  # noqa: E402
from winesession import WineSession  # noqa: E402


def restored(x, win):
    entry = x.taskbar_entry(win)
    wait_until(entry.is_minimized, timeout=10, what="the entry minimised", describe=entry.wm_state)
    check(not win.is_viewable(), "the window shows while its entry is minimised")
    x.run("wmctrl", "-i", "-a", hex(entry.id))
    wait_until(lambda: win.is_viewable() and (x.active_window() or entry).id == win.id, timeout=10,
               what="the window back, with the keyboard", describe=x.active_window)


def main():
    with WineSession() as x:
        prog = x.start_program(Path(sys.argv[1]))
        win = prog.wait_window(TITLE)
        entry = x.taskbar_entry(win)
        first = win.wait_title(CLOCK.match, what="the clock in the caption")
        win.wait_title(lambda t: CLOCK.match(t) and t != first, timeout=3, what="the clock to tick")
        check(entry.title() == TITLE, f"the taskbar entry reads {entry.title()!r}")
        win.minimize(entry)
        restored(x, win)
        win.close()
        check(prog.wait_exit() == 0, "the program did not end cleanly")
        # As a shortcut set to run minimised starts it.
        subprocess.run([wineprefix.wine_loader(), "start", "/min", "/unix", str(prog.exe)], env=x.env(),
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60, check=True)
        win = wait_until(lambda: next(iter(x.find_windows(TITLE, visible=False)), None), timeout=30,
                         what="the window started minimised")
        restored(x, win)
        win.close()
        x.wait_no_window(TITLE)


if __name__ == "__main__":
    run_test(main)
