"""The message boxes of tests/e2e/scenarios/message_boxes.py, met by orrindale.exe
under Wine."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import message_boxes, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, message_boxes.SCENARIOS)
