"""The placements of tests/e2e/scenarios/placement.py, met by orrindale.exe under
Wine, on the Win32 window's bounds."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import placement, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, placement.SCENARIOS, margins=placement.MARGINS)
