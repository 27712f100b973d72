"""How orrindale.exe's main window looks from the X side under Wine, on top of
the Linux readers of the year layout: Wine draws the menu bar inside the X
window, so the layout starts below it; the window manager draws the caption
and frame, so the Win32 window bounds are the X window's plus Wine's own
non-client widths, measured once from a window at a stored placement."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))

import yearview as yv  # noqa: E402
from harness import Rect, check, wait_until  # noqa: E402
from test_scaling import grid_lines_at, scaled  # noqa: E402

MAX_MENU = 80
RED, BLACK = (255, 0, 0), (0, 0, 0)


def layout_ratios(width, height):
    return width / yv.DESIGN_CLIENT[0], height / yv.DESIGN_CLIENT[1]


def find_menu_height(img):
    """The height of the strip above the client area: the one for which
    Calendar1 stands where the layout, stretched to the rest of the X
    window, puts it. None while nothing is painted there."""
    for menu in range(0, MAX_MENU + 1):
        wx, hy = layout_ratios(img.width, img.height - menu)
        x, y, w, h = scaled(yv.CONTROLS["Calendar1"], wx, hy)
        try:
            if grid_lines_at(img, (x, y + menu, w, h)):
                return menu
        except IndexError:
            return None
    return None


def locate_layout(win, timeout=30, last=None):
    """Waits for the main window to paint its first grid, points the window's
    client coordinates at the layout's origin below the menu bar and returns
    the menu bar's height."""
    last = last if last is not None else [None]

    def found():
        win.content_offset = (0, 0)
        last[0] = win.screenshot()
        menu = find_menu_height(last[0])
        return None if menu is None else (menu,)
    menu, = wait_until(found, timeout=timeout, interval=0.25,
                       what="Calendar1 painted below the menu bar",
                       describe=lambda: f"X window {win.client_geometry()}")
    check(menu > 0, "no menu bar above the layout")
    win.content_offset = (0, menu)
    return menu


def client_size(win):
    g = win.client_geometry()
    return g.w - win.content_offset[0], g.h - win.content_offset[1]


def resize_client(win, w, h):
    """Gives the layout (the Win32 client area below the menu) w x h pixels."""
    win.resize(w + win.content_offset[0], h + win.content_offset[1])
    wait_until(lambda: client_size(win) == (w, h), timeout=10, what=f"a {w} x {h} client area",
               describe=lambda: client_size(win))


def show_design_layout(win, last):
    """Sizes the client area to the design size and waits until all twelve
    grids stand at their design places; returns that screenshot."""
    resize_client(win, *yv.DESIGN_CLIENT)

    def placed():
        last[0] = win.screenshot()
        return last[0] if not yv.grids_in_place(last[0]) else None
    return wait_until(placed, timeout=20, interval=0.25, what="the grids at their design places",
                      describe=lambda: f"not placed: {yv.grids_in_place(last[0])}")


def settled_geometry(win, quiet=0.4, timeout=10):
    """The X window's geometry once it has stopped changing for `quiet` s."""
    last = [None]

    def same():
        now = win.client_geometry()
        before, last[0] = last[0], now
        return now if before is not None and tuple(now) == tuple(before) else None
    return wait_until(same, timeout=timeout, interval=quiet, what="the window to stop moving",
                      describe=lambda: last[0])


class Decorations:
    """Wine's non-client widths around the X window (caption and borders that
    the window manager replaces), from a window known to sit at `bounds`
    (left, top, width, height): one placed by a settings file, say, whose close
    writes those bounds back."""

    memory_limit = None  # Wine reserves more address space than any sane limit

    def __init__(self, win, bounds):
        c = settled_geometry(win)
        left, top, width, height = bounds
        self.left, self.top = c.x - left, c.y - top
        self.right, self.bottom = width - c.w - self.left, height - c.h - self.top
        check(min(self.left, self.top, self.right, self.bottom) >= 0 and self.top > 0,
              f"X window {c} cannot be the inside of Win32 bounds {bounds}")

    def bounds(self, win):
        """The Win32 window rectangle (left, top, width, height) of win."""
        c = win.client_geometry()
        return Rect(c.x - self.left, c.y - self.top, c.w + self.left + self.right,
                    c.h + self.top + self.bottom)

    def title(self, win):
        """Height of the caption and border above the client area."""
        return self.top

    def wait_bounds(self, win, want, what, timeout=10):
        want = Rect(*want)
        wait_until(lambda: self.bounds(win) == want, timeout=timeout, what=what,
                   describe=lambda: self.bounds(win))


def label_bounds(month, wx=1.0, hy=1.0):
    return scaled(yv.CONTROLS[f"Label{month}"], wx, hy)


def ink(img, bounds, colour):
    x, y, w, h = bounds
    return img.count(x, y, w, h, lambda p: p == colour)


def text_height(img, bounds, colour):
    """Rows from the first to the last that hold a pixel of exactly `colour`
    inside bounds (0 without any)."""
    x, y, w, h = bounds
    rows = [yy for yy in range(y, y + h) if img.count(x, yy, w, 1, lambda p: p == colour)]
    return rows[-1] - rows[0] + 1 if rows else 0


def check_month_labels(img, red_month, wx=1.0, hy=1.0):
    """red_month's label (None: none) is drawn in pure red and has no black
    text; every other label is drawn in black with no red pixel."""
    for m in range(1, 13):
        bounds = label_bounds(m, wx, hy)
        red, black = ink(img, bounds, RED), ink(img, bounds, BLACK)
        name = f"Label{m} ({yv.MONTHS[m - 1]})"
        if m == red_month:
            check(red >= 10 and black == 0, f"{name} should be red: {red} red, {black} black pixels")
        else:
            check(red == 0 and black >= 10, f"{name} should be black: {red} red, {black} black pixels")


def file_menu(win, access_key):
    """Opens the File menu from the keyboard and picks the item by its
    access key ("o" Always On Top, "r" Restore Factory Defaults, "x" Exit)."""
    win.key("alt+f")
    win.session.key(access_key)

