"""The year window of the Linux program, from its first start: the scenario of
scenarios/years.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from linuxsession import LinuxSession  # noqa: E402
from scenarios import run, years  # noqa: E402

if __name__ == "__main__":
    run(LinuxSession, years.SCENARIOS)
