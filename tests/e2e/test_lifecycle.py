"""The main window's lifecycle in a real X server with openbox: first start
without a settings file, stored values applied and written back, closing while
maximised, always-on-top from the menu, restoring the factory defaults from
the keyboard, the clock in the title bar, and a failed save that is reported
while the program still ends."""

import calendar
import datetime
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (TITLE, E2EFailure, Rect, XSession, check, run_test,  # noqa: E402
                     wait_until)

INI = "orrindale.ini"
KEYS = ("WindowState_wsMaximized", "window_top_posn", "window_left_posn", "window_Width",
        "window_Height", "Always_on_Top_Option", "Auto_Run_at_Windows_Startup_Option")
CLOCK = re.compile(r"^Orrindale v1\.0 -    (\w+) (\w+) (\d{1,2}), (\d{4}),  at  "
                   r"(\d{2}):(\d{2}):(\d{2}) (AM|PM)  $")


def ini(**values):
    return "[orrindale]\r\n" + "".join(f"{k}={v}\r\n" for k, v in values.items())


def settings(prog):
    """The file's keys and values, in file order."""
    lines = [line for line in prog.read(INI).replace("\r\n", "\n").split("\n") if line]
    check(lines[0] == "[orrindale]", f"first line {lines[0]!r}")
    return [tuple(line.split("=", 1)) for line in lines[1:]]


def wait_outer(win, want, what):
    want = Rect(*want)
    wait_until(lambda: win.outer_geometry() == want, timeout=10, what=what,
               describe=win.outer_geometry)


def close_and_read(win, prog):
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    return dict(settings(prog))


def start(x, exe, files=None):
    prog = x.start_program(exe, files=files)
    return prog, prog.wait_window(TITLE)


def check_clock(title):
    m = CLOCK.match(title)
    check(m, f"title {title!r} is not the clock caption")
    weekday, month, day, year, hh, mm, ss, half = m.groups()
    shown = datetime.datetime.strptime(f"{year}-{month}-{day} {hh}:{mm}:{ss} {half}",
                                       "%Y-%B-%d %I:%M:%S %p")
    check(weekday == calendar.day_name[shown.weekday()], f"{weekday} is not the day of {shown:%Y-%m-%d}")
    drift = abs((datetime.datetime.now() - shown).total_seconds())
    check(drift < 5, f"the clock shows {shown}, {drift:.0f} s from now")


def first_start(x, exe):
    prog, win = start(x, exe)
    # The clock replaces the plain title at its first tick.
    title = win.wait_title(lambda t: CLOCK.match(t), timeout=1, what="the clock in the title")
    check_clock(title)
    wait_outer(win, (20, 20, 659, 614), "the default placement 20, 20, 659 x 614")
    check(not win.is_maximized() and not win.is_above(), f"state {win.wm_state()}")
    first = win.title()
    win.wait_title(lambda t: t != first, timeout=3, what="the clock to move on")
    check(not prog.exists(INI), "a settings file appeared before closing")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    check(settings(prog) == list(zip(KEYS, ("0", "20", "20", "659", "614", "0", "0"))),
          f"new settings file {settings(prog)}")


def stored_values(x, exe):
    prog, win = start(x, exe, {INI: ini(window_top_posn=50, window_left_posn=70,
                                        window_Width="0x2A0", Always_on_Top_Option=2)})
    wait_outer(win, (70, 50, 672, 614), "the stored placement with width 0x2A0 = 672")
    wait_until(win.is_above, timeout=5, what="the window to start on top", describe=win.wm_state)
    values = close_and_read(win, prog)
    check(values["Always_on_Top_Option"] == "1", f"on-top written back as {values['Always_on_Top_Option']}")
    check(values["window_Width"] == "672", f"width written back as {values['window_Width']}")


def maximised(x, exe):
    prog, win = start(x, exe, {INI: ini(window_top_posn=80, window_left_posn=100, window_Width=700,
                                        window_Height=560)})
    wait_outer(win, (100, 80, 700, 560), "the stored placement")
    win.maximize()
    values = close_and_read(win, prog)
    check([values[k] for k in KEYS[:5]] == ["1", "80", "100", "700", "560"],
          f"closing maximised wrote {values}")

    prog, win = start(x, exe, {INI: prog.read(INI)})
    wait_until(win.is_maximized, timeout=10, what="the window to start maximised", describe=win.wm_state)
    win.maximize(False)
    wait_outer(win, (100, 80, 700, 560), "un-maximising to the stored bounds")
    values = close_and_read(win, prog)
    check(values["WindowState_wsMaximized"] == "0", f"closing normal wrote {values}")


def open_file_menu_item(win, key):
    win.key("alt+f")
    win.session.key(key)


def always_on_top_and_defaults(x, exe):
    prog, win = start(x, exe, {INI: ini(window_top_posn=120, window_left_posn=150, window_Width=600,
                                        window_Height=500)})
    placed = (150, 120, 600, 500)
    wait_outer(win, placed, "the stored placement")
    for on in (True, False, True):
        open_file_menu_item(win, "o")
        wait_until(lambda: win.is_above() == on, timeout=5, what=f"on top = {on}", describe=win.wm_state)
        check(win.outer_geometry() == Rect(*placed), f"the window moved to {win.outer_geometry()}")

    # Escape is No: nothing changes.
    open_file_menu_item(win, "r")
    box = x.wait_new_window("Warning", known=[win], pid=prog.pid)
    box.key("Escape")
    x.wait_no_window("Warning", pid=prog.pid)
    check(prog.exists(INI) and win.is_above(), "answering No changed something")
    check(win.outer_geometry() == Rect(*placed), f"answering No moved the window to {win.outer_geometry()}")

    # Enter is Yes: the file goes and the defaults apply.
    open_file_menu_item(win, "r")
    box = x.wait_new_window("Warning", known=[win], pid=prog.pid)
    box.key("Return")
    x.wait_no_window("Warning", pid=prog.pid)
    wait_until(lambda: not prog.exists(INI), timeout=5, what="the settings file to be deleted")
    wait_outer(win, (20, 20, 659, 614), "the default placement after Yes")
    wait_until(lambda: not win.is_above(), timeout=5, what="on top to drop", describe=win.wm_state)
    values = close_and_read(win, prog)
    check([values[k] for k in KEYS] == ["0", "20", "20", "659", "614", "0", "0"], f"after defaults {values}")


def failed_write(x, exe):
    prog, win = start(x, exe)
    wait_outer(win, (20, 20, 659, 614), "the default placement")
    prog.path(INI).mkdir()  # a folder in the file's place cannot be written
    win.close()
    box = x.wait_new_window(TITLE, known=[win], pid=prog.pid)
    box.key("Return")
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        for scenario in (first_start, stored_values, maximised, always_on_top_and_defaults,
                         failed_write):
            try:
                scenario(x, exe)
            except E2EFailure as exc:
                for prog in x.programs:
                    print(prog.output(), file=sys.stderr)
                raise E2EFailure(f"{scenario.__name__}: {exc}") from exc
    return 0


if __name__ == "__main__":
    run_test(main)
