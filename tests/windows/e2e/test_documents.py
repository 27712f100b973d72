"""The Help menu's documents under Wine: "View Readme file" starts Wine's Notepad on
the readme beside orrindale.exe and "View Shareware Catalog" on catalog.txt; a Notepad
window titled with each document's name appears, and the test closes it."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
from harness import TITLE, check, run_test  # noqa: E402

DOCUMENTS = ("orrindale.txt", "catalog.txt")


def open_and_close(x, win, key, document):
    """Chooses the Help menu item by its access key, waits for Notepad on the document
    (its title names the file, with or without the extension) and closes it."""
    win.key("alt+h")
    x.key(key)
    stem = Path(document).stem
    notepad = x.wait_new_window(stem, known=[win], timeout=90)  # Wine starts Notepad slowly under load
    title = notepad.title()
    check("Notepad" in title, f"the window on {document} is titled {title!r}")
    check(title.startswith((document + " ", stem + " ")), f"Notepad shows {title!r}, not {document}")
    notepad.close()
    x.wait_no_window(stem, timeout=20)


def main():
    exe = Path(sys.argv[1])
    beside = [exe.parent / name for name in DOCUMENTS]
    for document in beside:
        check(document.is_file(), f"the build did not put {document.name} beside {exe}")
    with WineSession() as x:
        prog = x.start_program(exe, extra_files=beside)
        win = prog.wait_window(TITLE)
        open_and_close(x, win, "v", "orrindale.txt")
        open_and_close(x, win, "s", "catalog.txt")
        check(not x.find_windows("Information", pid=prog.pid), "a box came with the documents")
        win.close()
        check(prog.wait_exit() == 0, "the program did not end cleanly")
    return 0


if __name__ == "__main__":
    run_test(main)
