"""The year window in a real X server: twelve month grids, at their design
places from the first start, showing today's year with today's month label
red, then two presses of "Next Year" show today's year + 2 with every label
black. The year is read from what the user sees: the column of the
highlighted 1st of each month."""

import datetime
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import yearview as yv  # noqa: E402
from harness import (SKIP, TITLE, E2EFailure, XSession, check, run_test,  # noqa: E402
                     save_artifact, wait_until)


def describe_year(img, year):
    seen = yv.day_one_columns(img)
    want = yv.expected_day_one_columns(year)
    wrong = [f"{yv.MONTHS[m]}: column {seen[m]}, want {want[m]}"
             for m in range(12) if seen[m] != want[m]]
    return "; ".join(wrong) or "all match"


def wait_for_year(win, year, what, last):
    """Waits until the twelve grids show the 1sts of `year`; returns the shot."""
    def shows_year():
        last[0] = win.screenshot()
        return last[0] if yv.day_one_columns(last[0]) == yv.expected_day_one_columns(year) else None
    return wait_until(shows_year, timeout=20, interval=0.25, what=what,
                      describe=lambda: describe_year(last[0], year))


def check_labels(img, red_month):
    """red_month's label (None: no label) has red text; every other label has
    dark text and not one red pixel."""
    for m in range(1, 13):
        red, dark = yv.label_ink(img, m)
        name = f"Label{m} ({yv.MONTHS[m - 1]})"
        if m == red_month:
            check(red >= 3, f"{name} should be red: {red} red pixels")
        else:
            check(red == 0, f"{name} should not be red: {red} red pixels")
            check(dark >= 3, f"{name} shows no dark text ({dark} dark pixels)")


def main():
    exe = Path(sys.argv[1])
    today = datetime.date.today()
    last = [None]
    with XSession() as x:
        prog = x.start_program(exe)
        try:
            win = prog.wait_window(TITLE)
            title = win.title()
            check(title == TITLE or title.startswith(TITLE + " -"), f"title {title!r}")

            # Wait until the window has painted its first grid, which also tells
            # how far down the layout starts (a menu bar pushes it down).
            def painted():
                try:
                    last[0] = win.screenshot()
                    return yv.locate_content(win, last[0]) is not None
                except E2EFailure:
                    return False
            def why_not():
                try:
                    return yv.locate_content(win, last[0])
                except E2EFailure as exc:
                    return str(exc)
            wait_until(painted, timeout=30, interval=0.25, what="Calendar1 to be painted",
                       describe=why_not)
            x.park_pointer()

            # Without a settings file the client area below the menu takes the
            # design size, so every grid stands at its design place as it starts.
            client = win.client_geometry()
            check((client.w, client.h - win.content_offset[1]) == yv.DESIGN_CLIENT,
                  f"client area {client.w} x {client.h - win.content_offset[1]} below the menu, "
                  f"want {yv.DESIGN_CLIENT[0]} x {yv.DESIGN_CLIENT[1]}")

            def grids_placed():
                last[0] = win.screenshot()
                return last[0] if not yv.grids_in_place(last[0]) else None
            wait_until(grids_placed, timeout=20, interval=0.25, what="the grids at their design places",
                       describe=lambda: f"missing {yv.grids_in_place(last[0])}")
            shot = wait_for_year(win, today.year, f"the grids to show {today.year}", last)
            check_labels(shot, today.month)

            for step in (1, 2):
                yv.click_control(win, "Next_Year_SpeedButton")
                x.park_pointer()
                shot = wait_for_year(win, today.year + step,
                                     f"the grids to show {today.year + step} after "
                                     f"{step} press(es) of Next Year", last)
                check_labels(shot, None)

            check(not yv.grids_in_place(shot), "a grid moved while changing years")
            prog.check_running()
        except BaseException:
            if last[0] is not None:
                save_artifact(last[0], "last-screen")
            print(prog.output(), file=sys.stderr)
            raise
    if datetime.date.today() != today:
        print("the date changed during the test; its expectations no longer hold")
        return SKIP
    return 0


if __name__ == "__main__":
    run_test(main)
