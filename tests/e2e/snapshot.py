"""Runs the calendar on a private virtual display (Xvfb + openbox) for a few
seconds and saves a PNG of its window, frame included.

    python3 tests/e2e/snapshot.py <program> <out.png> [--root]

--root saves the whole screen instead of the window."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import yearview as yv  # noqa: E402
from harness import TITLE, E2EFailure, XSession, wait_until  # noqa: E402


def settled(win, last):
    """True once the year view is painted and two shots of the client area in
    a row are identical (the title bar may carry a ticking clock)."""
    shot = win.screenshot()
    previous, last[0] = last[0], shot
    try:
        yv.locate_content(win, shot)
    except E2EFailure:
        return False
    return previous is not None and previous.data == shot.data


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
            last = [None]
            try:
                wait_until(lambda: settled(win, last), timeout=20, interval=0.3,
                           what="the year view to finish painting")
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
