"""Restore Factory Defaults in orrindale.exe under Wine, driven from the
keyboard (Alt+F, R): the question box is captioned "Warning", belongs to the
main window and lies above it; Escape (No) changes nothing, Enter (Yes)
deletes the settings file, puts the window back at 20, 20 with the design
client area below the menu bar and takes it off the top. File, Exit then
saves the defaults, with the outer size that client area makes."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402  (puts tests/e2e on the path)
import boxview as bv  # noqa: E402
import yearview as yv  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK, INI, KEYS, ini  # noqa: E402
from winesession import WineSession  # noqa: E402

PLACED = (150, 120, 600, 500)


def start(x, exe, files=None):
    prog = x.start_program(exe, files=files)
    win = prog.wait_window(TITLE)
    win.wait_title(lambda t: CLOCK.match(t), timeout=5, what="the clock caption")
    return prog, win


def ask(x, prog, win, answer):
    """Picks Restore Factory Defaults and answers its question with a key."""
    wv.file_menu(win, "r")
    box = x.wait_new_window("Warning", known=[win], pid=prog.pid)
    check(box.title() == "Warning", f"question box captioned {box.title()!r}")
    bv.check_owned_above(x, box, win, "the question box")
    box.key(answer)
    x.wait_no_window("Warning", pid=prog.pid)


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        try:
            stored = ini(window_top_posn=PLACED[1], window_left_posn=PLACED[0],
                         window_Width=PLACED[2], window_Height=PLACED[3],
                         Always_on_Top_Option=1) + "[Elsewhere]\r\nColour=blue\r\n"
            prog, win = start(x, exe, {INI: stored})
            # Wine's caption and borders around the X window, from the stored placement.
            decor = wv.Decorations(win, PLACED)
            menu = wv.locate_layout(win)
            wait_until(win.is_above, timeout=5, what="the window on top", describe=win.wm_state)

            ask(x, prog, win, "Escape")
            check(prog.exists(INI) and prog.read(INI) == stored, "answering No touched the settings file")
            check(decor.bounds(win) == PLACED, f"answering No moved the window to {decor.bounds(win)}")
            check(win.is_above(), f"answering No took the window off the top: {win.wm_state()}")

            ask(x, prog, win, "Return")
            wait_until(lambda: not prog.exists(INI), timeout=5, what="the settings file to be deleted")
            width = yv.DESIGN_CLIENT[0] + decor.left + decor.right
            height = yv.DESIGN_CLIENT[1] + menu + decor.top + decor.bottom
            decor.wait_bounds(win, (20, 20, width, height),
                              f"20, 20 with a {yv.DESIGN_CLIENT[0]} x {yv.DESIGN_CLIENT[1]} client area")
            wait_until(lambda: not win.is_above(), timeout=5, what="the window off the top",
                       describe=win.wm_state)
            check(not win.is_maximized(), f"state {win.wm_state()} after the defaults")
            prog.check_running()

            wv.file_menu(win, "x")
            check(prog.wait_exit() == 0, "File, Exit did not end the program cleanly")
            values = [line.split("=", 1) for line in prog.read(INI).split("\r\n")[1:] if line]
            check(values == [[k, str(v)] for k, v in zip(KEYS, (0, 20, 20, width, height, 0, 0))],
                  f"the close after the defaults wrote {values}")
        except E2EFailure:
            for p in x.programs:
                print(p.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
