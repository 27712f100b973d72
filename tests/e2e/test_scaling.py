"""Resizing the year window in a real X server stretches every control in
proportion: the month grids move and grow with the window's width and height,
today's month label moves with its grid, and the Exit button still works where
the stretched layout put it. Positions are read from screenshots."""

import datetime
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import yearview as yv  # noqa: E402
from harness import SKIP, TITLE, XSession, check, run_test, save_artifact, wait_until  # noqa: E402

EDGE, LINE = 2, 1


def scaled(bounds, wx, hy):
    x, y, w, h = bounds
    return int(x * wx), int(y * hy), int(w * wx), int(h * hy)


def grid_lines_at(img, bounds):
    """Whether a stretched month grid's black heading lines are where its
    bounds put them, and the window colour just outside its top-left corner."""
    x, y, w, h = bounds
    cell_w = (w - 2 * EDGE - 6 * LINE) // 7
    cell_h = (h - 2 * EDGE - 6 * LINE) // 7
    under_heading = y + EDGE + cell_h
    first_vertical = x + EDGE + cell_w
    row_black = all(yv.is_black(img.pixel(px, under_heading))
                    for px in range(x + EDGE + 1, x + EDGE + 6 * cell_w, 7))
    column_black = all(yv.is_black(img.pixel(first_vertical, py))
                       for py in range(y + EDGE + 1, y + EDGE + cell_h))
    outside = not yv.is_black(img.pixel(x - 1, under_heading))
    return row_black and column_black and outside


def wait_for_layout(win, wx, hy, last):
    names = ("Calendar1", "Calendar5", "Calendar9", "Calendar12")

    def placed():
        last[0] = win.screenshot()
        return all(grid_lines_at(last[0], scaled(yv.CONTROLS[n], wx, hy)) for n in names)

    def where():
        return ", ".join(f"{n} {'ok' if grid_lines_at(last[0], scaled(yv.CONTROLS[n], wx, hy)) else 'not at'} "
                         f"{scaled(yv.CONTROLS[n], wx, hy)}" for n in names)
    wait_until(placed, timeout=20, interval=0.25, what=f"grids stretched by {wx} x {hy}", describe=where)
    return last[0]


def red_in(img, bounds):
    x, y, w, h = bounds
    return sum(1 for p in img.pixels(x, y, w, h) if yv.is_reddish(p))


def main():
    exe = Path(sys.argv[1])
    today = datetime.date.today()
    last = [None]
    with XSession(width=1600, height=1400) as x:
        prog = x.start_program(exe)
        try:
            win = prog.wait_window(TITLE)
            top = wait_until(lambda: menu_height(win), timeout=30, interval=0.25,
                             what="Calendar1 to be painted")
            win.content_offset = (0, top)
            x.park_pointer()
            design_w, design_h = yv.DESIGN_CLIENT

            # Twice the design size in both directions: everything doubles.
            win.resize(2 * design_w, 2 * design_h + top)
            shot = wait_for_layout(win, 2, 2, last)
            label = scaled(yv.CONTROLS[f"Label{today.month}"], 2, 2)
            check(red_in(shot, label) >= 6, f"today's month label not red at {label}")
            design_label = yv.CONTROLS[f"Label{today.month}"]
            check(red_in(shot, design_label) == 0 or label[:2] == design_label[:2],
                  "red ink left at the label's design place")

            # Wider only: lefts and widths double, tops and heights stay.
            win.resize(2 * design_w, design_h + top)
            wait_for_layout(win, 2, 1, last)

            # Back at the design size the layout is exactly the design one.
            win.resize(design_w, design_h + top)
            wait_until(lambda: not yv.grids_in_place(win.screenshot()), timeout=20, interval=0.25,
                       what="the design layout back")

            # The Exit button works where one and a half times the design puts it.
            win.resize(design_w * 3 // 2, design_h * 3 // 2 + top)
            wx, hy = (design_w * 3 // 2) / design_w, (design_h * 3 // 2) / design_h
            wait_for_layout(win, wx, hy, last)
            gx, gy, _, _ = scaled(yv.GROUP_BOX, wx, hy)
            ex, ey, ew, eh = scaled(yv.CONTROLS["Exit_BitBtn"], 1, 1)
            ex, ey, ew, eh = scaled((ex - yv.GROUP_BOX[0], ey - yv.GROUP_BOX[1], ew, eh), wx, hy)
            win.click(gx + ex + ew // 2, gy + ey + eh // 2)
            code = prog.wait_exit(timeout=20)
            check(code == 0, f"program ended with {code} after Exit")
        except BaseException:
            if last[0] is not None:
                save_artifact(last[0], "scaling-last-screen")
            print(prog.output(), file=sys.stderr)
            raise
    if datetime.date.today() != today:
        return SKIP
    return 0


def menu_height(win):
    """The menu bar's height: where Calendar1 stands once the layout has been
    stretched to the client area below the menu (None until it is painted)."""
    win.content_offset = (0, 0)
    img = win.screenshot()
    design_w, design_h = yv.DESIGN_CLIENT
    x, y = yv.CONTROLS["Calendar1"][:2]
    for m in range(0, 80):
        hy = (img.height - m) / design_h
        wx = img.width / design_w
        if grid_lines_at(img, (int(x * wx), m + int(y * hy)) + scaled(yv.CONTROLS["Calendar1"], wx, hy)[2:]):
            return m or None
    return None


if __name__ == "__main__":
    run_test(main)
