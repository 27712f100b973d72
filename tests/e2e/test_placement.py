"""Where a stored placement puts the window, on a screen whose work area is
smaller than the screen: a size of 2147483647 x 2147483647 opens as large as
the work area and no larger, with modest memory; a window stored far above the
screen opens with its title bar inside the work area; one hanging off the left
and top, or off the right, is moved just inside, keeping its size, while one
hanging off the bottom keeps its top. Closing while maximised and then
minimised writes the bounds the window returns to and the maximised flag.
The scenarios: scenarios/placement.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from linuxsession import LinuxSession  # noqa: E402
from scenarios import placement, run  # noqa: E402

if __name__ == "__main__":
    run(LinuxSession, placement.SCENARIOS, margins=placement.MARGINS)
