"""orrindale.exe under Wine: the window comes up with the live clock as its
exact caption, shows today's year with today's month label in red, moves two
years on with two presses of Next Year (every label black) and comes back
with Current Year; the button row stands on the window's own colour. The
year shown is read from the month grids: the column of each highlighted 1st."""

import datetime
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402
import yearview as yv  # noqa: E402
from harness import SKIP, TITLE, check, run_test, save_artifact  # noqa: E402
from test_lifecycle import CLOCK, check_clock  # noqa: E402
from winesession import WineSession  # noqa: E402


def main():
    exe = Path(sys.argv[1])
    today = datetime.date.today()
    last = [None]
    with WineSession() as x:
        prog = x.start_program(exe)
        try:
            win = prog.wait_window(TITLE)
            # Weekday and month names come from Wine's default (English) locale.
            check_clock(win.wait_title(lambda t: CLOCK.match(t), timeout=2,
                                       what="the clock caption"))
            wv.locate_layout(win, last=last)
            x.park_pointer()
            wv.show_design_layout(win, last)
            shot = wv.wait_for_year(win, today.year, f"the grids to show {today.year}", last)
            wv.check_month_labels(shot, today.month)

            for step in (1, 2):
                yv.click_control(win, "Next_Year_SpeedButton")
                x.park_pointer()
                shot = wv.wait_for_year(win, today.year + step,
                                        f"{today.year + step} after {step} press(es) of Next Year", last)
                wv.check_month_labels(shot, None)

            yv.click_control(win, "Current_Year_BitBtn")
            x.park_pointer()
            shot = wv.wait_for_year(win, today.year, "today's year again after Current Year", last)
            wv.check_month_labels(shot, today.month)
            face, row = wv.face_colour(shot), wv.button_row_colour(shot)
            check(row == face, f"the button row (GroupBox1) is filled with {row}, "
                               f"the window with {face}")
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
