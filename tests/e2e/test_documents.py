"""The Help menu's documents on Linux: a recording xdg-open first on PATH stands in for
the desktop's editor. "View Readme file" hands it the readme beside the program as one
argument, also from a folder whose name has spaces, a quote, "$" and ";"; "View Shareware
Catalog" hands it catalog.txt; with catalog.txt removed the Information box names the
product and nothing is opened. No real editor or browser is ever started."""

import os
import shlex
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import E2EFailure, TITLE, XSession, check, run_scenario, run_test, wait_until  # noqa: E402

README = "orrindale.txt"
CATALOG = "catalog.txt"
CATALOG_BOX = ("Vintrel's Shareware Catalog is not in the same directory as Orrindale v1.0.  "
               "The required file 'catalog.txt' was included in the distribution ZIP file.  "
               "Please unzip this file and try again.")


def clipboard(x):
    tool = os.environ.get("ORRINDALE_CLIPBOARD_TEXT",
                          str(Path(__file__).resolve().parents[2] / "build" / "e2e_clipboard_text"))
    return subprocess.run([tool], env=x.env(), stdin=subprocess.DEVNULL,
                          capture_output=True, timeout=20).stdout.decode()


class Opener:
    """An xdg-open that appends its argument count and arguments, NUL-separated."""

    def __init__(self, x):
        self.folder = x.dir / "opener-bin"
        self.folder.mkdir()
        self.record = x.dir / "opened.rec"
        script = self.folder / "xdg-open"
        script.write_text(f"#!/bin/sh\nprintf '%s\\0' \"$#\" \"$@\" >> {shlex.quote(str(self.record))}\n")
        script.chmod(0o755)

    def env(self):
        return {"PATH": f"{self.folder}:{os.environ.get('PATH', '/usr/bin:/bin')}"}

    def calls(self):
        if not self.record.exists():
            return []
        fields = self.record.read_bytes().decode().split("\0")[:-1]
        calls = []
        while fields:
            count = int(fields.pop(0))
            calls.append(fields[:count])
            del fields[:count]
        return calls

    def wait_calls(self, n):
        return wait_until(lambda: self.calls() if len(self.calls()) >= n else None,
                          timeout=15, what=f"{n} call(s) of xdg-open")


def documents_beside(exe):
    return [Path(exe).parent / README, Path(exe).parent / CATALOG]


def help_command(win, key):
    win.key("alt+h")
    win.session.key(key)


def both_documents(x, exe):
    opener = Opener(x)
    prog = x.start_program(exe, extra_files=documents_beside(exe), env=opener.env())
    win = prog.wait_window(TITLE)
    help_command(win, "v")
    check(opener.wait_calls(1) == [[str(prog.folder / README)]], f"readme: {opener.calls()}")
    help_command(win, "s")
    calls = opener.wait_calls(2)
    check(calls[1] == [str(prog.folder / CATALOG)], f"catalogue: {calls}")
    check(not x.find_windows("Information", pid=prog.pid), "a box came with the documents")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def folder_with_awkward_name(x, exe):
    """The program lies in a folder named with spaces, quotes, "$" and ";"; a launcher in
    the harness's folder execs it there, so the running program resolves to that folder."""
    opener = Opener(x)
    folder = x.dir / "My Tools 'q' \"d\" $HOME; x"
    folder.mkdir()
    real = folder / Path(exe).name
    shutil.copy2(exe, real)
    for document in documents_beside(exe):
        shutil.copy2(document, folder / document.name)
    launcher = x.dir / "orrindale-launcher"
    launcher.write_text(f"#!/bin/sh\nexec {shlex.quote(str(real))}\n")
    launcher.chmod(0o755)
    prog = x.start_program(launcher, env=opener.env())
    win = prog.wait_window(TITLE)
    help_command(win, "v")
    calls = opener.wait_calls(1)
    check(calls == [[str(folder / README)]], f"readme from {folder}: {calls}")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def catalogue_removed(x, exe):
    opener = Opener(x)
    prog = x.start_program(exe, extra_files=documents_beside(exe)[:1], env=opener.env())
    win = prog.wait_window(TITLE)
    check(not prog.exists(CATALOG), "catalog.txt is still there")
    help_command(win, "s")
    box = x.wait_new_window("Information", known=[win], pid=prog.pid)

    def copied():
        box.key("ctrl+c")
        return clipboard(x) or None
    text = wait_until(copied, timeout=10, interval=0.3, what="the box's text on the clipboard")
    check(text == CATALOG_BOX, f"the box says {text!r}")
    box.key("Return")
    x.wait_no_window("Information", pid=prog.pid)
    check(opener.calls() == [], f"xdg-open was started: {opener.calls()}")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def main():
    exe = Path(sys.argv[1])
    for document in documents_beside(exe):
        check(document.is_file(), f"the build did not put {document.name} beside {exe}")
    for scenario in (both_documents, folder_with_awkward_name, catalogue_removed):
        with XSession() as x:
            run_scenario(x, scenario, exe)
    return 0


if __name__ == "__main__":
    run_test(main)
