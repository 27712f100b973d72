"""The year window: the live clock as its caption, today's year in the twelve
month grids at their design places with today's month label red, two years on
with two presses of Next Year (every label black), back with Current Year, no
grid moved on the way, and the button row on the window's own colour. The year
is read from what the user sees: the column of each highlighted 1st."""

import datetime

import yearview as yv
from harness import SKIP, TITLE, check
from test_lifecycle import CLOCK, check_clock


def years(x, exe):
    today = datetime.date.today()
    prog = x.start_program(exe)
    win = prog.wait_window(TITLE)
    # Weekday and month names come from the default (English) locale.
    check_clock(win.wait_title(lambda t: CLOCK.match(t), timeout=2, what="the clock caption"))
    last = [None]
    x.design_layout(win, last)
    shot = yv.wait_for_year(win, today.year, f"the grids to show {today.year}", last)
    x.check_month_labels(shot, today.month)
    for step in (1, 2):
        yv.click_control(win, "Next_Year_SpeedButton")
        x.park_pointer()
        shot = yv.wait_for_year(win, today.year + step,
                                f"{today.year + step} after {step} press(es) of Next Year", last)
        x.check_month_labels(shot, None)
    yv.click_control(win, "Current_Year_BitBtn")
    x.park_pointer()
    shot = yv.wait_for_year(win, today.year, "today's year again after Current Year", last)
    x.check_month_labels(shot, today.month)
    check(not yv.grids_in_place(shot), "a grid moved while changing years")
    face, row = yv.face_colour(shot), yv.button_row_colour(shot)
    check(max(abs(a - b) for a, b in zip(row, face)) <= x.group_box_shade,
          f"the button row (GroupBox1) is filled with {row}, the window with {face}")
    prog.check_running()
    if datetime.date.today() != today:
        print("the date changed during the test; its expectations no longer hold")
        return SKIP
    return None


SCENARIOS = (years,)
