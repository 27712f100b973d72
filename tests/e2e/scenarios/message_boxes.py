"""The message boxes of the main window met over a window that is always on top
and maximised: the Restore Factory Defaults question (Escape answers No, Enter
Yes) and the "Unable to write to ..." report at a failed save (Enter lets the
program end). Each box must belong to the main window, lie above it, be centred
on the screen and show its own pixels there, as it looks where it lies above
every window. The scenarios serve the Linux program and orrindale.exe under
Wine alike."""

import boxview as bv
from harness import TITLE, E2EFailure, check, wait_until
from test_lifecycle import INI, ini, open_file_menu_item

PLACED = {"window_top_posn": 20, "window_left_posn": 20, "window_Width": 600, "window_Height": 500}


def start(x, exe, text):
    prog = x.start_program(exe, files={INI: text})
    return prog, prog.wait_window(TITLE)


def on_top_and_maximised(win):
    wait_until(lambda: win.is_above() and win.is_maximized(), timeout=10,
               what="the main window on top and maximised", describe=win.wm_state)


def ask(x, prog, win, tries=3):
    """Restore Factory Defaults from the keyboard; a key lost on the way is sent again."""
    for attempt in range(1, tries + 1):
        open_file_menu_item(win, "r")
        try:
            return x.wait_new_window("Warning", known=[win], pid=prog.pid, timeout=8)
        except E2EFailure:
            if attempt == tries:
                raise
            win.key("Escape")  # a menu left open


def answer(x, prog, box, key, caption="Warning"):
    box.key(key)
    x.wait_no_window(caption, pid=prog.pid)


def check_box(x, box, win, look, what):
    bv.check_owned_above(x, box, win, what)
    bv.check_shown(box, look, what)
    bv.check_centred(x, box, what)


def failing_close(x, prog, win):
    """A folder in the settings file's place: the close reports the failed save."""
    prog.path(INI).unlink(missing_ok=True)
    prog.path(INI).mkdir()
    win.close()
    return x.wait_new_window(TITLE, known=[win], pid=prog.pid)


def question(x, exe):
    """Returns how the failed-save report looks, for the next scenario."""
    # The pointer starts at the screen's centre, where the boxes stand.
    x.park_pointer()
    prog, win = start(x, exe, ini(**PLACED))
    # Over a window that is neither on top nor maximised the question is the newest
    # window and lies above it: that is how it looks.
    box = ask(x, prog, win)
    look = bv.reference(x, box)
    answer(x, prog, box, "Escape")
    open_file_menu_item(win, "o")
    wait_until(win.is_above, timeout=5, what="the main window on top", describe=win.wm_state)
    win.maximize()
    on_top_and_maximised(win)
    stored = prog.read(INI)

    box = ask(x, prog, win)
    check_box(x, box, win, look, "the question")
    answer(x, prog, box, "Escape")
    on_top_and_maximised(win)
    check(prog.read(INI) == stored, "answering No touched the settings file")

    box = ask(x, prog, win)
    check_box(x, box, win, look, "the question")
    answer(x, prog, box, "Return")
    wait_until(lambda: not prog.exists(INI), timeout=5, what="Yes to delete the settings file")
    wait_until(lambda: not win.is_above() and not win.is_maximized(), timeout=10,
               what="Yes to take the window off the top and out of the maximised state",
               describe=win.wm_state)

    # The report over the same window, no longer on top, is the newest window.
    report = failing_close(x, prog, win)
    report_look = bv.reference(x, report)
    answer(x, prog, report, "Return", TITLE)
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")
    return report_look


def report(x, exe, look):
    prog, win = start(x, exe, ini(**PLACED, Always_on_Top_Option=1, WindowState_wsMaximized=1))
    on_top_and_maximised(win)
    box = failing_close(x, prog, win)
    check_box(x, box, win, look, "the failed-save report")
    answer(x, prog, box, "Return", TITLE)
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")


def boxes(x, exe):
    report(x, exe, question(x, exe))


SCENARIOS = (boxes,)
