"""What the window manager does to the calendar's window, and when it does it.
Always-on-top changed from the window manager's own menu is followed by the File
menu's check mark and written at close; the taskbar shows the product title while
the title bar shows the clock. The program never waits for the window manager: a
window manager that answers late still gets the stored placement exactly, and a
maximised window closed while the window manager is not answering at all saves its
normal bounds at once."""

import os
import signal
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, XSession, check, run_scenario, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK, INI, ini, settings, wait_outer  # noqa: E402

STORED = dict(window_top_posn=80, window_left_posn=100, window_Width=700, window_Height=560)
STORED_AT = (100, 80, 700, 560)
# Longer than any wait the program could have for the window manager's answer.
WINDOW_MANAGER_LATE_S = 2.5


def start(x, exe, values=STORED):
    prog = x.start_program(exe, files={INI: ini(**values)})
    return prog, prog.wait_window(TITLE)


def close_and_read(win, prog):
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    return dict(settings(prog))


def window_manager_above(win, on):
    action = "add" if on else "remove"
    win.session.run("wmctrl", "-i", "-r", hex(win.id), "-b", f"{action},above")
    wait_until(lambda: win.is_above() == on, timeout=5, what=f"the window manager's on top = {on}",
               describe=win.wm_state)


def taskbar_title(x, exe):
    prog, win = start(x, exe)
    win.wait_title(lambda t: CLOCK.match(t), timeout=2, what="the clock in the title")
    icon_name = x.run("xprop", "-id", str(win.id), "_NET_WM_ICON_NAME")
    check(icon_name.strip() == '_NET_WM_ICON_NAME(UTF8_STRING) = "Orrindale v1.0"',
          f"the taskbar title is {icon_name.strip()!r}")
    close_and_read(win, prog)


def on_top_from_the_window_manager(x, exe):
    prog, win = start(x, exe)
    window_manager_above(win, True)
    # The mark now shows on top, so the menu item takes it off.
    win.key("alt+f")
    x.key("o")
    wait_until(lambda: not win.is_above(), timeout=5, what="the File menu to take on top off",
               describe=win.wm_state)
    window_manager_above(win, True)
    values = close_and_read(win, prog)
    check(values["Always_on_Top_Option"] == "1", f"on top written as {values['Always_on_Top_Option']}")


class Frozen:
    """The window manager stopped: it answers nothing until it goes on."""

    def __init__(self, x):
        self.pid = x.wm.pid

    def __enter__(self):
        os.kill(self.pid, signal.SIGSTOP)
        return self

    def __exit__(self, *exc):
        os.kill(self.pid, signal.SIGCONT)
        return False


def late_window_manager(x, exe):
    with Frozen(x):
        prog = x.start_program(exe, files={INI: ini(**STORED)})
        time.sleep(WINDOW_MANAGER_LATE_S)
        prog.check_running()
    win = prog.wait_window(TITLE)
    wait_outer(win, STORED_AT, "the stored placement once the window manager answers")
    close_and_read(win, prog)


def maximised_close_unanswered(x, exe):
    prog, win = start(x, exe)
    wait_outer(win, STORED_AT, "the stored placement")
    win.maximize()
    win.activate()
    with Frozen(x):
        closed = time.monotonic()
        x.key("alt+f")
        x.key("x")
        check(prog.wait_exit(5) == 0, "the program did not end cleanly")
        took = time.monotonic() - closed
    values = dict(settings(prog))
    check(values["WindowState_wsMaximized"] == "1", f"closing maximised wrote {values}")
    check(tuple(int(values[k]) for k in ("window_left_posn", "window_top_posn", "window_Width",
                                         "window_Height")) == STORED_AT,
          f"closing maximised with no answer from the window manager wrote {values}")
    check(took < 1.0, f"closing took {took:.1f} s")


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        for scenario in (taskbar_title, on_top_from_the_window_manager, late_window_manager,
                         maximised_close_unanswered):
            run_scenario(x, scenario, exe)
    return 0


if __name__ == "__main__":
    run_test(main)
