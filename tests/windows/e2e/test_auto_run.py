"""Starting at logon, orrindale.exe under Wine: the scenario of
tests/e2e/scenarios/auto_run.py on the Run key of HKEY_LOCAL_MACHINE, written
and read with `wine reg`."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from scenarios import auto_run, run  # noqa: E402

if __name__ == "__main__":
    run(WineSession, auto_run.SCENARIOS)
