"""Message boxes over a main window that is always on top and maximised: the
Restore Factory Defaults question and the "Unable to write to ..." report each
belong to the main window, lie above it, are centred on the screen and show
their own pixels there (as they look where nothing covers them); Escape
answers No and Enter Yes, and Enter on the report lets the program end.
The scenario: scenarios/message_boxes.py."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from linuxsession import LinuxSession  # noqa: E402
from scenarios import message_boxes, run  # noqa: E402

if __name__ == "__main__":
    run(LinuxSession, message_boxes.SCENARIOS)
