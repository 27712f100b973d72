"""Where a stored placement puts the main window, on a screen whose work area
is smaller than the screen (the window manager keeps margins, as a desktop's
panels do). Each scenario starts the program with a hand-made settings file and
checks the window's bounds as the session's frame() measures them: the window
manager's frame on Linux, the Win32 window's bounds under Wine."""

from harness import TITLE, Rect, check, wait_until
from test_lifecycle import INI, close_and_read, ini

MARGINS = (10, 20, 40, 30)  # left, right, top, bottom
MAX_SIZE = 2147483647
MODEST_MEMORY_KB = 200 * 1024


def start(x, exe, **values):
    frame = x.frame(exe)
    prog = x.start_program(exe, files={INI: ini(**values)}, address_space=frame.memory_limit)
    return prog, prog.wait_window(TITLE)


def settled(win, frame):
    """The window's bounds once they have stopped changing for a moment."""
    last = [None]

    def same():
        now = frame.bounds(win)
        before, last[0] = last[0], now
        return now if before is not None and before == now else None
    return wait_until(same, timeout=10, interval=0.3, what="the window to stop moving",
                      describe=lambda: last[0])


def inside(outer, area):
    return (outer.x >= area.x and outer.y >= area.y and outer.x + outer.w <= area.x + area.w
            and outer.y + outer.h <= area.y + area.h)


def largest_size(x, exe):
    area, frame = x.work_area(), x.frame(exe)
    prog, win = start(x, exe, window_Width=MAX_SIZE, window_Height=MAX_SIZE)
    outer = settled(win, frame)
    check(inside(outer, area) and (outer.w, outer.h) == (area.w, area.h),
          f"a stored size of {MAX_SIZE} opened at {outer}, want the work area {area}")
    prog.check_running()
    peak = prog.peak_memory_kb()
    check(peak <= MODEST_MEMORY_KB, f"the window took {peak // 1024} MiB of memory")
    values = close_and_read(win, prog)
    check((int(values["window_Width"]), int(values["window_Height"])) == (area.w, area.h),
          f"closing wrote {values['window_Width']} x {values['window_Height']}")


def far_above(x, exe):
    area, frame = x.work_area(), x.frame(exe)
    prog, win = start(x, exe, window_top_posn=-600)
    outer = settled(win, frame)
    title = frame.title(win)
    check(area.y <= outer.y and outer.y + title <= area.y + area.h,
          f"stored top -600 opened at {outer}: the title bar lies outside the work area {area}")
    # The window of the default size still reaches onto the screen: it moves down
    # only as far as the work area's top, its left as stored.
    check((outer.x, outer.y) == (20, area.y), f"stored 20, -600 opened at {outer}, want 20, {area.y}")
    close_and_read(win, prog)


def partly_off(x, exe):
    area, frame = x.work_area(), x.frame(exe)
    # Off the left and the top: moved to the work area's corner.
    prog, win = start(x, exe, window_left_posn=-100, window_top_posn=-300, window_Width=700,
                      window_Height=500)
    outer = settled(win, frame)
    check(outer == Rect(area.x, area.y, 700, 500), f"stored -100, -300, 700 x 500 opened at {outer}")
    close_and_read(win, prog)
    # Off the right and the bottom: moved left until the whole width is inside, the top kept.
    prog, win = start(x, exe, window_left_posn=1000, window_top_posn=800, window_Width=600,
                      window_Height=500)
    outer = settled(win, frame)
    check(outer == Rect(area.x + area.w - 600, 800, 600, 500),
          f"stored 1000, 800, 600 x 500 opened at {outer}")
    close_and_read(win, prog)


def maximised_then_minimised(x, exe):
    frame = x.frame(exe)
    prog, win = start(x, exe, window_left_posn=200, window_top_posn=150, window_Width=600,
                      window_Height=500)
    placed = settled(win, frame)
    check(placed == Rect(200, 150, 600, 500), f"the stored placement 200, 150, 600 x 500 opened at {placed}")
    win.maximize()
    # Minimised, the window may be known only by its taskbar entry, and closed there.
    entry = x.taskbar_entry(win)
    win.minimize(entry)
    values = close_and_read(entry, prog)
    check([values[k] for k in ("WindowState_wsMaximized", "window_left_posn", "window_top_posn",
                               "window_Width", "window_Height")] == ["1", "200", "150", "600", "500"],
          f"closing maximised and minimised wrote {values}")


SCENARIOS = (largest_size, far_above, partly_off, maximised_then_minimised)
