"""Help > About in orrindale.exe under Wine, links through ShellExecute to the
session's recorder: the scenario of tests/e2e/scenarios/about.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import about, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, about.SCENARIOS)
