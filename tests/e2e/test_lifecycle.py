"""The main window's lifecycle in a real X server with openbox: first start
without a settings file (at 20, 20 with the design client area below the menu
bar, whatever the frame), stored values applied and written back, closing
while maximised, always-on-top from the menu, restoring the factory defaults
from the keyboard with the question shown above the on-top window, the clock
in the title bar, and a failed save that is reported while the program still
ends."""

import calendar
import datetime
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import boxview as bv  # noqa: E402
import yearview as yv  # noqa: E402
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


def placement(win, menu):
    """Where the window stands and how big its client area below the menu bar is."""
    o, c = win.outer_geometry(), win.client_geometry()
    return (o.x, o.y, c.w, c.h - menu)


def wait_placement(win, menu, want, what):
    wait_until(lambda: placement(win, menu) == want, timeout=10, what=what,
               describe=lambda: f"at {placement(win, menu)[:2]}, client area {placement(win, menu)[2:]}")


def wait_default_placement(win, menu, what):
    """20, 20 with the design client area, whatever the window manager's frame."""
    wait_placement(win, menu, (20, 20) + yv.DESIGN_CLIENT, f"{what}: 20, 20 with a "
                   f"{yv.DESIGN_CLIENT[0]} x {yv.DESIGN_CLIENT[1]} client area")


def painted_layout(win):
    """Once Calendar1 is painted at its design place: how far below the client
    window's top the layout starts (the menu bar's height), and the layout's
    screenshot."""
    def located():
        shot = win.screenshot()
        try:
            menu = yv.locate_content(win, shot)[1]
        except E2EFailure:
            return None
        return menu, shot.crop(0, menu, shot.width, shot.height - menu)
    return wait_until(located, timeout=20, interval=0.25, what="Calendar1 painted at its design place",
                      describe=win.client_geometry)


def outer_size(win):
    o = win.outer_geometry()
    return str(o.w), str(o.h)


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
    """Returns the menu bar's height, for the scenarios that follow."""
    prog, win = start(x, exe)
    # The clock replaces the plain title at its first tick.
    title = win.wait_title(lambda t: CLOCK.match(t), timeout=1, what="the clock in the title")
    check_clock(title)
    menu, shot = painted_layout(win)
    wait_default_placement(win, menu, "the first start")
    misplaced = yv.grids_in_place(shot)
    check(not misplaced, f"{misplaced} not at their design places")
    check(not win.is_maximized() and not win.is_above(), f"state {win.wm_state()}")
    first = win.title()
    win.wait_title(lambda t: t != first, timeout=3, what="the clock to move on")
    check(not prog.exists(INI), "a settings file appeared before closing")
    # The outer size is the design client area plus this window manager's frame.
    width, height = outer_size(win)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    check(settings(prog) == list(zip(KEYS, ("0", "20", "20", width, height, "0", "0"))),
          f"new settings file {settings(prog)}, want the outer size {width} x {height}")
    return menu


def stored_values(x, exe, menu):
    prog, win = start(x, exe, {INI: ini(window_top_posn=50, window_left_posn=70,
                                        window_Width="0x2A0", Always_on_Top_Option=2)})
    # Without a stored height the client area takes the design height.
    wait_until(lambda: win.outer_geometry().w == 672, timeout=10, what="the stored width 0x2A0 = 672",
               describe=win.outer_geometry)
    wait_placement(win, menu, (70, 50, 672 - sum(win.frame_extents()[:2]), yv.DESIGN_CLIENT[1]),
                   "the stored place and width 0x2A0 = 672 with the design client height")
    wait_until(win.is_above, timeout=5, what="the window to start on top", describe=win.wm_state)
    height = outer_size(win)[1]
    values = close_and_read(win, prog)
    check(values["Always_on_Top_Option"] == "1", f"on-top written back as {values['Always_on_Top_Option']}")
    check((values["window_Width"], values["window_Height"]) == ("672", height),
          f"size written back as {values['window_Width']} x {values['window_Height']}, want 672 x {height}")


def maximised(x, exe, menu):
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


def ask_defaults(x, prog, win):
    """Picks Restore Factory Defaults; returns the question box."""
    open_file_menu_item(win, "r")
    return x.wait_new_window("Warning", known=[win], pid=prog.pid)


def answer(x, prog, box, key):
    box.key(key)
    x.wait_no_window("Warning", pid=prog.pid)


def always_on_top_and_defaults(x, exe, menu):
    prog, win = start(x, exe, {INI: ini(window_top_posn=120, window_left_posn=150, window_Width=600,
                                        window_Height=500)})
    placed = (150, 120, 600, 500)
    wait_outer(win, placed, "the stored placement")
    x.park_pointer()
    # Over a window that is not on top the question is the newest window and lies
    # above it: that is how it looks.
    box = ask_defaults(x, prog, win)
    look = bv.reference(x, box)
    answer(x, prog, box, "Escape")
    for on in (True, False, True):
        open_file_menu_item(win, "o")
        wait_until(lambda: win.is_above() == on, timeout=5, what=f"on top = {on}", describe=win.wm_state)
        check(win.outer_geometry() == Rect(*placed), f"the window moved to {win.outer_geometry()}")

    # Escape is No: nothing changes. The question must be seen to be answered.
    box = ask_defaults(x, prog, win)
    bv.check_shown(box, look, "the question over the on-top window")
    answer(x, prog, box, "Escape")
    check(prog.exists(INI) and win.is_above(), "answering No changed something")
    check(win.outer_geometry() == Rect(*placed), f"answering No moved the window to {win.outer_geometry()}")

    # Enter is Yes: the file goes and the defaults apply.
    box = ask_defaults(x, prog, win)
    bv.check_shown(box, look, "the question over the on-top window")
    answer(x, prog, box, "Return")
    wait_until(lambda: not prog.exists(INI), timeout=5, what="the settings file to be deleted")
    wait_default_placement(win, menu, "after Yes")
    wait_until(lambda: not win.is_above(), timeout=5, what="on top to drop", describe=win.wm_state)
    width, height = outer_size(win)
    values = close_and_read(win, prog)
    check([values[k] for k in KEYS] == ["0", "20", "20", width, height, "0", "0"], f"after defaults {values}")


def failed_write(x, exe, menu):
    prog, win = start(x, exe)
    wait_default_placement(win, menu, "without a settings file")
    prog.path(INI).mkdir()  # a folder in the file's place cannot be written
    win.close()
    box = x.wait_new_window(TITLE, known=[win], pid=prog.pid)
    box.key("Return")
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        def run(scenario, *args):
            try:
                return scenario(x, exe, *args)
            except E2EFailure as exc:
                for prog in x.programs:
                    print(prog.output(), file=sys.stderr)
                raise E2EFailure(f"{scenario.__name__}: {exc}") from exc
        menu = run(first_start)
        for scenario in (stored_values, maximised, always_on_top_and_defaults, failed_write):
            run(scenario, menu)
    return 0


if __name__ == "__main__":
    run_test(main)
