"""orrindale.exe under Wine when its surroundings are not as it left them: the
scenarios of tests/e2e/scenarios/bad_input.py, the symbolic link made by Linux
under Wine, the registration a Run value put there with `wine reg add`, the
damaged logo in the program's resources."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import bad_input, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, bad_input.SCENARIOS)
