"""Runs the calendar on a private virtual display (Xvfb + openbox) for a few
seconds and saves a PNG of its window, frame included.

    python3 tests/e2e/snapshot.py <program> <out.png> [--root]

--root saves the whole screen instead of the window."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, XSession, wait_until  # noqa: E402


# The current month's name is drawn in red at start: once a few of its pixels show,
# the labels are painted, whatever size the window has.
MIN_RED_PIXELS = 20


def red_pixels(image):
    data = image.data
    return sum(1 for i in range(0, len(data), 3)
               if data[i] >= 150 and data[i] - max(data[i + 1], data[i + 2]) >= 100)


def painted(win, last):
    """True once the year view shows (the current month in red) and two shots of the
    client area in a row are identical (the title bar may carry a ticking clock)."""
    shot = win.screenshot()
    previous, last[0] = last[0], shot
    return (previous is not None and previous.data == shot.data
            and red_pixels(shot) >= MIN_RED_PIXELS)


def wait_painted(win, timeout=20):
    last = [None]
    wait_until(lambda: painted(win, last), timeout=timeout, interval=0.1,
               what="the year view to finish painting")


def main(argv):
    args = [a for a in argv if a != "--root"]
    if len(args) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program, out = Path(args[0]), Path(args[1])
    with XSession() as x:
        prog = x.start_program(program)
        try:
            win = prog.wait_window(TITLE, timeout=30)
            x.park_pointer()
            started = time.monotonic()
            try:
                wait_painted(win)
            except E2EFailure as exc:
                print(f"snapshot: {exc}; saving what is shown", file=sys.stderr)
            # Let it run a little so the screenshot shows a program that stays up.
            time.sleep(max(0.0, 2.0 - (time.monotonic() - started)))
            prog.check_running()
            image = x.screenshot() if "--root" in argv else win.outer_screenshot()
        except E2EFailure as exc:
            print(f"snapshot: {exc}", file=sys.stderr)
            print(prog.output(), file=sys.stderr)
            return 1
        out.parent.mkdir(parents=True, exist_ok=True)
        image.save_png(out)
    print(f"snapshot: saved {image.width} x {image.height} to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
