"""The year window of orrindale.exe under Wine, sized to its design size: the
scenario of tests/e2e/scenarios/years.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import run, years  # noqa: E402

if __name__ == "__main__":
    run(WineSession, years.SCENARIOS)
