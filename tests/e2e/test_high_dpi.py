"""At twice the pixel density, set by the desktop's Xft.dpi of 192 or by
QT_SCALE_FACTOR=2, a start and a close with nothing moved leave the stored
placement as it was: the window manager's frame, which it states in device pixels,
is counted in the window's own pixels both ways."""

import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, XSession, check, run_test, wait_until  # noqa: E402
from test_lifecycle import INI, ini, settings  # noqa: E402

# Logical pixels; the screen is twice as large in device pixels.
STORED = dict(window_top_posn=80, window_left_posn=100, window_Width=700, window_Height=560)
SETTLED_S = 0.5


def settled(win):
    """The client area once it has stood still for a moment after the first frame."""
    last = [None, time.monotonic()]

    def still():
        now = tuple(win.client_geometry())
        if now != last[0]:
            last[0], last[1] = now, time.monotonic()
        return time.monotonic() - last[1] >= SETTLED_S
    wait_until(still, timeout=10, interval=0.1, what="the window to settle",
               describe=win.client_geometry)


def placement_kept(x, exe, how, env=None):
    prog = x.start_program(exe, files={INI: ini(**STORED)}, env=env or {})
    win = prog.wait_window(TITLE)
    settled(win)
    win.close()
    check(prog.wait_exit() == 0, f"{how}: the program did not end cleanly")
    kept = {k: int(v) for k, v in settings(prog) if k in STORED}
    check(kept == STORED, f"{how}: a start and a close moved the placement to {kept}")


def main():
    exe = Path(sys.argv[1])
    with XSession(width=2560, height=2048) as x:
        try:
            placement_kept(x, exe, "QT_SCALE_FACTOR=2", {"QT_SCALE_FACTOR": "2"})
            x.run("xprop", "-root", "-f", "RESOURCE_MANAGER", "8s", "-set", "RESOURCE_MANAGER",
                  "Xft.dpi:\t192\n")
            placement_kept(x, exe, "Xft.dpi 192")
        except E2EFailure:
            for prog in x.programs:
                print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
