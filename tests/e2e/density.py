"""The year window read from a screenshot taken at a whole multiple of its design
density (two device pixels to the design pixel at 192 dpi or QT_SCALE_FACTOR=2):
where its controls stand, how wide the month grids' lines are, and whether text and
glyphs are drawn at the screen's own resolution rather than stretched."""

import yearview as yv
from harness import check

SILVER = (192, 192, 192)


def at_scale(name, scale):
    """A control's design bounds in device pixels."""
    return tuple(v * scale for v in yv.CONTROLS[name])


def runs(flags, start=0):
    """(first index, length) of each run of true values."""
    found, begin = [], None
    for i, flag in enumerate(list(flags) + [False]):
        if flag and begin is None:
            begin = i
        elif not flag and begin is not None:
            found.append((start + begin, i - begin))
            begin = None
    return found


def heading_line(img, bounds):
    """(top, rows) of the black line under a month grid's heading: the first rows in
    the grid's upper quarter that are black from side to side."""
    x, y, w, h = bounds
    across = range(x + w // 10, x + w - w // 10, 3)
    top = y + h // 20
    black = [all(yv.is_black(img.pixel(px, py)) for px in across) for py in range(top, y + h // 4)]
    found = runs(black, top)
    check(found, f"no heading line in the month grid at {bounds}")
    return found[0]


def body_line_widths(img, bounds):
    """Widths of the silver vertical lines crossing the first body row of a month grid."""
    x, y, w, h = bounds
    line_top, rows = heading_line(img, bounds)
    row = line_top + rows + h // 20
    return [n for _, n in runs(img.pixel(px, row) == SILVER for px in range(x, x + w))]


def check_grid_lines(img, bounds, scale, name):
    """The heading line and the body's vertical lines are each `scale` pixels wide."""
    _, rows = heading_line(img, bounds)
    check(rows == scale, f"{name}: the heading line is {rows} pixels high, wanted {scale}")
    widths = body_line_widths(img, bounds)
    check(len(widths) >= 6 and set(widths) == {scale},
          f"{name}: body lines {widths} pixels wide, wanted six or seven of {scale}")


def ink_box(img, bounds, is_ink):
    x, y, w, h = bounds
    points = [(px, py) for py in range(y, y + h) for px in range(x, x + w) if is_ink(img.pixel(px, py))]
    check(points, f"no ink in {bounds}")
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return set(points), (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


def check_sharp_glyph(img, bounds, scale, name):
    """A 16-pixel glyph drawn pixel for pixel at `scale`: its black pixels form whole
    scale x scale squares (a smoothed stretch leaves part-grey squares at every edge)."""
    x, y, w, h = bounds
    inset = 3 * scale  # inside the button's frame, which may be black itself
    black, (left, top, _, _) = ink_box(img, (x + inset, y + inset, w - 2 * inset, h - 2 * inset),
                                       lambda p: p == (0, 0, 0))
    broken = [(px, py) for px, py in black
              if any((left + (px - left) // scale * scale + dx, top + (py - top) // scale * scale + dy) not in black
                     for dx in range(scale) for dy in range(scale))]
    check(not broken, f"{name}: {len(broken)} black glyph pixels are not in whole {scale}x{scale} squares, "
                      f"e.g. {sorted(broken)[:4]}")


def check_fine_text(img, bounds, scale, name, is_ink=yv.is_dark):
    """Text drawn at the screen's resolution: taller than the design text, and not
    made of scale x scale squares, as text drawn small and stretched would be."""
    ink, (left, top, width, height) = ink_box(img, bounds, is_ink)
    check(height >= 8 * scale, f"{name}: text only {height} pixels high")
    for ox in range(scale):
        for oy in range(scale):
            squares = all((left - ox + (px - left + ox) // scale * scale + dx,
                           top - oy + (py - top + oy) // scale * scale + dy) in ink
                          for px, py in ink for dx in range(scale) for dy in range(scale))
            check(not squares, f"{name}: the text is made of {scale}x{scale} squares (stretched)")
