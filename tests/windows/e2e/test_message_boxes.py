"""Message boxes of orrindale.exe under Wine over a main window that is always
on top and maximised: the scenarios of the Linux program's test. The Restore
Factory Defaults question and the "Unable to write to ..." report each belong
to the main window, lie above it, are centred on the screen and show their own
pixels there; Escape answers No and Enter Yes, and Enter on the report lets
the program end."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
import message_boxes as mb  # noqa: E402
from harness import E2EFailure, run_test, save_artifact  # noqa: E402


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        try:
            mb.report(x, exe, mb.question(x, exe))
        except E2EFailure:
            save_artifact(x.screenshot(), "last-screen")
            for prog in x.programs:
                print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
