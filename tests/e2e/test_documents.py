"""The Help menu's documents on Linux, at a recording xdg-open first on PATH (no
real editor or browser is ever started): the scenarios of scenarios/documents.py
and, from a folder whose name has spaces, quotes, "$" and ";", the readme handed
over as one argument."""

import shlex
import shutil
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE  # noqa: E402
from linuxsession import LinuxSession  # noqa: E402
from scenarios import documents, run  # noqa: E402
from scenarios.documents import README, beside, close, view  # noqa: E402


def folder_with_awkward_name(x, exe):
    """A launcher in the harness's folder execs the program there, so the running
    program resolves to that folder."""
    folder = x.dir / "My Tools 'q' \"d\" $HOME; x"
    folder.mkdir()
    real = folder / Path(exe).name
    shutil.copy2(exe, real)
    for document in beside(exe):
        shutil.copy2(document, folder / document.name)
    launcher = x.dir / "orrindale-launcher"
    launcher.write_text(f"#!/bin/sh\nexec {shlex.quote(str(real))}\n")
    launcher.chmod(0o755)
    prog = x.start_program(launcher)
    win = prog.wait_window(TITLE)
    view(x, win, "v", folder / README)
    close(prog, win)


if __name__ == "__main__":
    run(LinuxSession, documents.SCENARIOS + (folder_with_awkward_name,))
