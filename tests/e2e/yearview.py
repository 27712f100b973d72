"""Where the year window's controls sit at design size, and how to read the
month grids and labels back from a screenshot of it."""

import datetime

from harness import E2EFailure, check, wait_until

COLUMNS = (5, 220, 436)
LABEL_TOPS = (3, 133, 263, 393)
GRID_TOPS = (20, 150, 280, 410)
LABEL_SIZE = (205, 16)
GRID_SIZE = (210, 110)
GROUP_BOX = (8, 522, 637, 49)
DESIGN_CLIENT = (653, 574)

MONTHS = ("January", "February", "March", "April", "May", "June", "July",
          "August", "September", "October", "November", "December")


def _in_group(x, y, w, h):
    return (GROUP_BOX[0] + x, GROUP_BOX[1] + y, w, h)


# Design bounds (left, top, width, height) in client coordinates.
CONTROLS = {"GroupBox1": GROUP_BOX,
            "Last_Year_SpeedButton": _in_group(84, 17, 23, 22),
            "Year_Edit": _in_group(107, 17, 75, 23),
            "Next_Year_SpeedButton": _in_group(183, 17, 23, 22),
            "Current_Year_BitBtn": _in_group(243, 13, 150, 30),
            "Exit_BitBtn": _in_group(430, 13, 150, 30)}
for _m in range(1, 13):
    _col, _row = COLUMNS[(_m - 1) % 3], (_m - 1) // 3
    CONTROLS[f"Label{_m}"] = (_col, LABEL_TOPS[_row]) + LABEL_SIZE
    CONTROLS[f"Calendar{_m}"] = (_col, GRID_TOPS[_row]) + GRID_SIZE


def centre(name):
    x, y, w, h = CONTROLS[name]
    return x + w // 2, y + h // 2


def click_control(win, name):
    win.click(*centre(name))


# ---- month grid geometry at design size (inside the 2-pixel client edge)

EDGE, CELL_W, CELL_H, LINE = 2, 28, 14, 1


def cell_rect(col, row):
    """Cell (col, row) relative to the grid's outer top-left corner."""
    return (EDGE + col * (CELL_W + LINE), EDGE + row * (CELL_H + LINE), CELL_W, CELL_H)


def is_black(p):
    return max(p) < 60


def is_reddish(p):
    return p[0] >= 150 and p[0] - max(p[1], p[2]) >= 100


def is_dark(p):
    return max(p) < 110


def saturation(p):
    return max(p) - min(p)


def grid_looks_right(img, ox, oy):
    """The month grid's fixed line pattern at outer corner (ox, oy): black
    vertical lines through the heading row, a black line under it, and
    body lines that are not black."""
    try:
        heading_mid = oy + EDGE + CELL_H // 2
        under_heading = oy + EDGE + CELL_H
        body_mid = oy + EDGE + (CELL_H + LINE) + CELL_H // 2
        for c in range(7):
            line_x = ox + EDGE + c * (CELL_W + LINE) + CELL_W
            if not is_black(img.pixel(line_x, heading_mid)):
                return False
            cell_x = ox + EDGE + c * (CELL_W + LINE)
            if not all(is_black(img.pixel(cell_x + dx, under_heading)) for dx in (1, 14, 26)):
                return False
            if is_black(img.pixel(line_x, body_mid)) or is_black(img.pixel(cell_x + 14, under_heading + 15)):
                return False
            # the cells just above and below the line are not black
            if is_black(img.pixel(cell_x + 14, under_heading - 1)) and is_black(img.pixel(cell_x + 14, under_heading + 1)):
                return False
        return True
    except IndexError:
        return False


def find_grids(img):
    """Every outer corner in img where the month grid's line pattern appears
    (for diagnostics; slow-ish)."""
    hits = []
    for oy in range(img.height - GRID_SIZE[1] + 1):
        for ox in range(img.width - GRID_SIZE[0] + 1):
            if is_black(img.pixel(ox + 30, oy + 9)) and grid_looks_right(img, ox, oy):
                hits.append((ox, oy))
    return hits


def locate_content(win, img=None, max_shift=80):
    """Finds how far below the client window's top the design layout starts
    (0 without a menu bar) by looking for Calendar1, sets win.content_offset
    and returns it. Fails when Calendar1 is not at its design column."""
    win.content_offset = (0, 0)
    img = img or win.screenshot()
    x, y = CONTROLS["Calendar1"][:2]
    for dy in range(0, max_shift + 1):
        if grid_looks_right(img, x, y + dy):
            win.content_offset = (0, dy)
            return win.content_offset
    raise E2EFailure(f"no month grid at Calendar1's design place ({x}, {y}+0..{max_shift}); "
                     f"grid patterns found at {find_grids(img)[:12]}")


def grids_in_place(img):
    """Names of the Calendar controls whose line pattern is not at its design place."""
    return [f"Calendar{m}" for m in range(1, 13)
            if not grid_looks_right(img, *CONTROLS[f"Calendar{m}"][:2])]


def cell_fill(img, ox, oy, col, row):
    """The most common colour in a cell, and its share of the cell."""
    x, y, w, h = cell_rect(col, row)
    counts = img.colours(ox + x, oy + y, w, h)
    colour, n = counts.most_common(1)[0]
    return colour, n / (w * h)


def highlighted_columns(img, month):
    """Columns of the first body row whose fill is a saturated colour (the
    highlight of the held day)."""
    ox, oy = CONTROLS[f"Calendar{month}"][:2]
    cols = []
    for c in range(7):
        colour, share = cell_fill(img, ox, oy, c, 1)
        if saturation(colour) >= 60 and share >= 0.5:
            cols.append(c)
    return cols


def day_one_columns(img):
    """For each month 1..12, the highlighted column of the first body row,
    or None when there is not exactly one."""
    result = []
    for m in range(1, 13):
        cols = highlighted_columns(img, m)
        result.append(cols[0] if len(cols) == 1 else None)
    return result


def expected_day_one_columns(year):
    """Column of day 1 of each month with Sunday as column 0."""
    return [datetime.date(year, m, 1).isoweekday() % 7 for m in range(1, 13)]


def highlight_colour(img, month):
    ox, oy = CONTROLS[f"Calendar{month}"][:2]
    cols = highlighted_columns(img, month)
    check(len(cols) == 1, f"Calendar{month}: highlighted columns {cols}")
    return cell_fill(img, ox, oy, cols[0], 1)[0]


def label_ink(img, month):
    """(red pixels, dark pixels) in the strip of month's label."""
    x, y, w, h = CONTROLS[f"Label{month}"]
    pixels = list(img.pixels(x, y, w, h))
    return (sum(1 for p in pixels if is_reddish(p)),
            sum(1 for p in pixels if is_dark(p)))


# The current month's name is drawn in red at start: once a few of its pixels show,
# the labels are painted, whatever size the window has.
MIN_RED_PIXELS = 20


def red_pixels(image):
    data = image.data
    return sum(1 for i in range(0, len(data), 3)
               if data[i] >= 150 and data[i] - max(data[i + 1], data[i + 2]) >= 100)


def wait_painted(win, timeout=20):
    """Waits until the year view shows (the current month in red) and two shots of the
    client area in a row are identical (the title bar may carry a ticking clock)."""
    last = [None]

    def painted():
        shot = win.screenshot()
        previous, last[0] = last[0], shot
        return (previous is not None and previous.data == shot.data
                and red_pixels(shot) >= MIN_RED_PIXELS)
    wait_until(painted, timeout=timeout, interval=0.1, what="the year view to finish painting")


def face_colour(img):
    """The window's own background, from the margin left of the month columns."""
    return img.colours(0, 0, COLUMNS[0], GROUP_BOX[1]).most_common(1)[0][0]


def button_row_colour(img):
    """The most common colour inside GroupBox1 between the Next Year and the
    Current Year buttons, at design size."""
    gx, gy = GROUP_BOX[:2]
    left = CONTROLS["Next_Year_SpeedButton"][0] + CONTROLS["Next_Year_SpeedButton"][2] + 4
    right = CONTROLS["Current_Year_BitBtn"][0] - 4
    return img.colours(left, gy + 13, right - left, 30).most_common(1)[0][0]


def describe_year(img, year):
    seen, want = day_one_columns(img), expected_day_one_columns(year)
    wrong = [f"{MONTHS[m]}: day 1 in column {seen[m]}, want {want[m]}"
             for m in range(12) if seen[m] != want[m]]
    return "; ".join(wrong) or "all match"


def wait_for_year(win, year, what, last, timeout=15):
    """Waits until every month grid has its 1st highlighted in the column of
    that weekday in `year`; returns the screenshot."""
    want = expected_day_one_columns(year)

    def shows():
        last[0] = win.screenshot()
        return last[0] if day_one_columns(last[0]) == want else None
    return wait_until(shows, timeout=timeout, interval=0.25, what=what,
                      describe=lambda: describe_year(last[0], year))
