"""The Help menu's documents of orrindale.exe under Wine, each opened in Wine's
Notepad: the scenarios of tests/e2e/scenarios/documents.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import documents, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, documents.SCENARIOS)
