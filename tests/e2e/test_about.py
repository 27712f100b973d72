"""Help > About in the Linux program, links at a recording xdg-open: the scenario of
scenarios/about.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from linuxsession import LinuxSession  # noqa: E402
from scenarios import about, run  # noqa: E402

if __name__ == "__main__":
    run(LinuxSession, about.SCENARIOS)
