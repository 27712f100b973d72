"""Runs orrindale.exe under Wine on a private virtual display (Xvfb + openbox)
and saves a PNG of its window, frame included, once the year view is painted.

    python3 tests/windows/e2e/snapshot.py <orrindale.exe> <out.png>"""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402
from harness import TITLE  # noqa: E402
from winesession import WineSession  # noqa: E402


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    exe, out = Path(argv[0]), Path(argv[1])
    last = [None]
    with WineSession() as x:
        prog = x.start_program(exe)
        win = prog.wait_window(TITLE)
        wv.locate_layout(win, last=last)
        x.park_pointer()
        wv.show_design_layout(win, last)
        time.sleep(1.0)
        image = win.outer_screenshot()
    out.parent.mkdir(parents=True, exist_ok=True)
    image.save_png(out)
    print(f"snapshot: saved {image.width} x {image.height} to {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
