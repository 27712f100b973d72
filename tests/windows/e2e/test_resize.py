"""Resizing orrindale.exe's window under Wine to twice its design client size
doubles the layout: the month labels' text grows to twice its height (today's
red label and a black one, measured on screenshots) and the Exit button,
where the doubled layout puts it, still ends the program."""

import datetime
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402
import yearview as yv  # noqa: E402
from harness import SKIP, TITLE, check, run_test, save_artifact, wait_until  # noqa: E402
from winesession import WineSession  # noqa: E402


def heights(img, red_month, black_month, factor):
    return (wv.text_height(img, wv.label_bounds(red_month, factor, factor), wv.RED),
            wv.text_height(img, wv.label_bounds(black_month, factor, factor), wv.BLACK))


def doubled(before, after):
    # Ascent and descent are rounded to whole pixels separately at each size,
    # so twice the font is twice the ink height give or take 15 %.
    return abs(after - 2 * before) <= max(2, round(0.3 * before))


def main():
    exe = Path(sys.argv[1])
    today = datetime.date.today()
    red_month = today.month
    black_month = 1 if red_month != 1 else 2
    last = [None]
    with WineSession(width=1600, height=1400) as x:
        prog = x.start_program(exe)
        try:
            win = prog.wait_window(TITLE)
            wv.locate_layout(win, last=last)
            x.park_pointer()
            shot = wv.show_design_layout(win, last)
            wv.check_month_labels(shot, red_month)
            before = heights(shot, red_month, black_month, 1)
            check(min(before) >= 6, f"label text heights {before} at the design size")

            w, h = yv.DESIGN_CLIENT
            wv.resize_client(win, 2 * w, 2 * h)

            def grown():
                last[0] = win.screenshot()
                after = heights(last[0], red_month, black_month, 2)
                return after if all(doubled(b, a) for b, a in zip(before, after)) else None
            wait_until(grown, timeout=15, interval=0.25,
                       what=f"label text heights {before} (red, black) to double",
                       describe=lambda: heights(last[0], red_month, black_month, 2))
            wv.check_month_labels(last[0], red_month, 2, 2)

            exit_x, exit_y = yv.centre("Exit_BitBtn")
            win.click(2 * exit_x, 2 * exit_y)
            code = prog.wait_exit()
            check(code == 0, f"orrindale.exe ended with {code} after Exit")
            check(prog.exists("orrindale.ini"), "Exit did not save the settings")
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
