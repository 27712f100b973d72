"""orrindale.exe at 192 dots per inch (the prefix's LogPixels; the program's
manifest declares it aware of each monitor's density): a first start opens on
the screen with the whole design layout at twice its size below the menu bar,
every month grid in place with lines two pixels wide, the labels' text drawn at
that size rather than stretched, and the year buttons' glyphs sharp, each glyph
pixel a whole 2 x 2 square.

    test_high_dpi.py <orrindale.exe> [<screenshot.png>]   the second saves the window"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))

import density  # noqa: E402
import yearview as yv  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, save_artifact, wait_until  # noqa: E402
from test_scaling import grid_lines_at  # noqa: E402
from winesession import WineSession  # noqa: E402

SCALE = 2


def main():
    exe = Path(sys.argv[1])
    save = sys.argv[2] if len(sys.argv) > 2 else None
    last = [None]
    with WineSession(width=2560, height=2048) as x:
        res = x.wine("reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                     "/d", str(96 * SCALE), "/f")
        check(res.returncode == 0, f"reg add LogPixels failed: {res.stderr.decode(errors='replace')}")
        prog = x.start_program(exe)
        try:
            win = prog.wait_window(TITLE)
            want = (SCALE * yv.DESIGN_CLIENT[0], SCALE * yv.DESIGN_CLIENT[1])

            def laid_out():
                # The menu bar's height is what the X window holds above the design layout.
                c = win.client_geometry()
                menu = c.h - want[1]
                if c.w != want[0] or not 0 < menu < 60 * SCALE:
                    return None
                win.content_offset = (0, menu)
                last[0] = win.screenshot()
                return last[0] if all(grid_lines_at(last[0], density.at_scale(f"Calendar{m}", SCALE))
                                      for m in range(1, 13)) else None
            x.park_pointer()
            wait_until(laid_out, timeout=30, interval=0.25,
                       what=f"the design layout at {SCALE} times below the menu bar, every grid in place",
                       describe=lambda: f"X window {win.client_geometry()}")
            time.sleep(0.5)
            img = win.screenshot()
            outer = win.outer_geometry()
            check(outer.x >= 0 and outer.y >= 0 and outer.x + outer.w <= x.size[0]
                  and outer.y + outer.h <= x.size[1], f"the window {outer} reaches off the {x.size} screen")
            density.check_grid_lines(img, density.at_scale("Calendar1", SCALE), SCALE, "Calendar1")
            for button in ("Last_Year_SpeedButton", "Next_Year_SpeedButton"):
                density.check_sharp_glyph(img, density.at_scale(button, SCALE), SCALE, button)
            plain_month = 2 if time.localtime().tm_mon == 1 else 1  # the current month is red
            density.check_fine_text(img, density.at_scale(f"Label{plain_month}", SCALE), SCALE,
                                    f"Label{plain_month}")
            if save:
                win.outer_screenshot().save_png(save)
            win.close()
            check(prog.wait_exit() == 0, "the program did not end cleanly")
        except E2EFailure:
            if last[0] is not None:
                save_artifact(last[0], "last-screen")
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
