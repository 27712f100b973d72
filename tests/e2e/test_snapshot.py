"""A screenshot without a display, as scripts/run takes one: the painted year view is
recognised, so the picture is saved without a wait running out."""

import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import check, run_test  # noqa: E402

SNAPSHOT = Path(__file__).resolve().parent / "snapshot.py"
PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def main():
    exe = Path(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="orrindale-snapshot-") as folder:
        shot = Path(folder) / "screenshot.png"
        res = subprocess.run([sys.executable, str(SNAPSHOT), str(exe), str(shot)],
                             stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
        said = (res.stdout + res.stderr).decode(errors="replace")
        check(res.returncode == 0, f"snapshot.py ended with {res.returncode}: {said}")
        check("timed out" not in said, f"snapshot.py waited in vain: {said}")
        check(shot.read_bytes().startswith(PNG_SIGNATURE), "no PNG was saved")
    return 0


if __name__ == "__main__":
    run_test(main)
