"""Opens Help > About in orrindale.exe under Wine on a private virtual display
(Xvfb + openbox) and saves a PNG of the About window, frame included.

    python3 tests/windows/e2e/about_snapshot.py <orrindale.exe> <out.png>

docs/about-windows.png comes from it."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "e2e"))

import aboutview as av  # noqa: E402
from harness import TITLE  # noqa: E402
from winesession import WineSession  # noqa: E402


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    exe, out = Path(argv[0]), Path(argv[1])
    with WineSession() as x:
        prog = x.start_program(exe)
        win = prog.wait_window(TITLE)
        x.park_pointer()
        about = av.open_about(win, prog)
        av.check_centred(x, about)
        # The logo's sun a little way round its orbit.
        time.sleep(0.6)
        image = about.outer_screenshot()
    out.parent.mkdir(parents=True, exist_ok=True)
    image.save_png(out)
    print(f"about_snapshot: saved {image.width} x {image.height} to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
