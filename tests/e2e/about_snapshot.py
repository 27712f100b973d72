"""Opens Help > About in the calendar on a private virtual display (Xvfb + openbox)
and saves a PNG of the About window, frame included.

    python3 tests/e2e/about_snapshot.py <program> <out.png>

docs/about.png comes from it."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import aboutview as av  # noqa: E402
from harness import TITLE, E2EFailure, XSession  # noqa: E402


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    program, out = Path(argv[0]), Path(argv[1])
    with XSession() as x:
        prog = x.start_program(program)
        try:
            win = prog.wait_window(TITLE, timeout=30)
            x.park_pointer()
            about = av.open_about(win, prog)
            av.check_centred(x, about)
            # The logo's sun a little way round its orbit.
            time.sleep(0.6)
            image = about.outer_screenshot()
        except E2EFailure as exc:
            print(f"about_snapshot: {exc}", file=sys.stderr)
            print(prog.output(), file=sys.stderr)
            return 1
    out.parent.mkdir(parents=True, exist_ok=True)
    image.save_png(out)
    print(f"about_snapshot: saved {image.width} x {image.height} to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
