"""At twice the pixel density, set by the desktop's Xft.dpi of 192 or by
QT_SCALE_FACTOR=2, a start and a close with nothing moved leave the stored
placement as it was: the window manager's frame, which it states in device pixels,
is counted in the window's own pixels both ways. A first start at twice the density
opens on the screen with the whole design layout at twice its size, every month grid
in place with lines two pixels wide, text drawn at the screen's resolution and the
button glyphs sharp.

    test_high_dpi.py <program> [<screenshot.png>]   the second saves the first start's window"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import density  # noqa: E402
import yearview as yv  # noqa: E402
from harness import TITLE, E2EFailure, XSession, check, run_test, wait_until  # noqa: E402
from test_lifecycle import INI, ini, settings  # noqa: E402
from test_scaling import grid_lines_at  # noqa: E402

# Logical pixels; the screen is twice as large in device pixels.
STORED = dict(window_top_posn=80, window_left_posn=100, window_Width=700, window_Height=560)
SETTLED_S = 0.5


def settled(win):
    """The client area once it has stood still for a moment after the first frame."""
    last = [None, time.monotonic()]

    def still():
        now = tuple(win.client_geometry())
        if now != last[0]:
            last[0], last[1] = now, time.monotonic()
        return time.monotonic() - last[1] >= SETTLED_S
    wait_until(still, timeout=10, interval=0.1, what="the window to settle",
               describe=win.client_geometry)


def placement_kept(x, exe, how, env=None):
    prog = x.start_program(exe, files={INI: ini(**STORED)}, env=env or {})
    win = prog.wait_window(TITLE)
    settled(win)
    win.close()
    check(prog.wait_exit() == 0, f"{how}: the program did not end cleanly")
    kept = {k: int(v) for k, v in settings(prog) if k in STORED}
    check(kept == STORED, f"{how}: a start and a close moved the placement to {kept}")


def twice_the_density_layout(x, exe, save=None):
    scale = 2
    prog = x.start_program(exe, env={"QT_SCALE_FACTOR": str(scale)})
    win = prog.wait_window(TITLE)
    settled(win)
    x.park_pointer()
    yv.wait_painted(win)
    outer, client = win.outer_geometry(), win.client_geometry()
    check(outer.x >= 0 and outer.y >= 0 and outer.x + outer.w <= x.size[0] and outer.y + outer.h <= x.size[1],
          f"the window {outer} reaches off the {x.size} screen")
    menu = client.h - scale * yv.DESIGN_CLIENT[1]
    check(client.w == scale * yv.DESIGN_CLIENT[0] and 0 < menu < 60 * scale,
          f"client area {client.w} x {client.h}: not the design layout at {scale} times below a menu bar")
    win.content_offset = (0, menu)
    img = win.screenshot()
    misplaced = [f"Calendar{m}" for m in range(1, 13)
                 if not grid_lines_at(img, density.at_scale(f"Calendar{m}", scale))]
    check(not misplaced, f"month grids not at {scale} times their design place: {misplaced}")
    density.check_grid_lines(img, density.at_scale("Calendar1", scale), scale, "Calendar1")
    for button in ("Last_Year_SpeedButton", "Next_Year_SpeedButton"):
        density.check_sharp_glyph(img, density.at_scale(button, scale), scale, button)
    plain_month = 2 if time.localtime().tm_mon == 1 else 1  # the current month is red
    density.check_fine_text(img, density.at_scale(f"Label{plain_month}", scale), scale, f"Label{plain_month}")
    if save:
        win.outer_screenshot().save_png(save)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly at twice the density")


def main():
    exe = Path(sys.argv[1])
    with XSession(width=2560, height=2048) as x:
        try:
            twice_the_density_layout(x, exe, sys.argv[2] if len(sys.argv) > 2 else None)
            placement_kept(x, exe, "QT_SCALE_FACTOR=2", {"QT_SCALE_FACTOR": "2"})
            x.run("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                  "Xft.dpi:\t192\n")
            placement_kept(x, exe, "Xft.dpi 192")
        except E2EFailure:
            for prog in x.programs:
                print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
