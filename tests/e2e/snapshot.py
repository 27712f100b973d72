"""Runs the calendar on a private virtual display (Xvfb + openbox) for a few
seconds and saves a PNG of its window, frame included, once the year view is
painted: the Linux program at the size it opens at, orrindale.exe under Wine
at its design size.

    python3 tests/e2e/snapshot.py <program or orrindale.exe> <out.png> [--root | --about]

--root saves the whole screen instead of the window, --about the About window
(Help > About) instead."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import aboutview as av  # noqa: E402
from harness import TITLE, E2EFailure  # noqa: E402
from scenarios import session_for  # noqa: E402


def main(argv):
    args = [a for a in argv if a not in ("--root", "--about")]
    if len(args) != 2 or len(argv) > 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program, out = Path(args[0]), Path(args[1])
    with session_for(program) as x:
        prog = x.start_program(program)
        try:
            win = prog.wait_window(TITLE, timeout=30)
            x.park_pointer()
            started = time.monotonic()
            try:
                x.show_year_view(win)
            except E2EFailure as exc:
                print(f"snapshot: {exc}; saving what is shown", file=sys.stderr)
            # Let it run a little so the screenshot shows a program that stays up.
            time.sleep(max(0.0, 2.0 - (time.monotonic() - started)))
            prog.check_running()
            if "--about" in argv:
                about = av.open_about(win, prog)
                av.check_centred(x, about)
                # The logo's sun a little way round its orbit.
                time.sleep(0.6)
                image = about.outer_screenshot()
            else:
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
