"""The Help menu's documents, handed to the session's viewer (a recording xdg-open
on Linux, Wine's Notepad under Wine): "View Readme file" the readme beside the
program, "View Shareware Catalog" catalog.txt, with no box; with catalog.txt
missing the Information box names the product and nothing is viewed."""

from pathlib import Path

from harness import TITLE, check

README = "orrindale.txt"
CATALOG = "catalog.txt"
CATALOG_BOX = ("Vintrel's Shareware Catalog is not in the same directory as Orrindale v1.0.  "
               "The required file 'catalog.txt' was included in the distribution ZIP file.  "
               "Please unzip this file and try again.")


def beside(exe):
    documents = [Path(exe).parent / README, Path(exe).parent / CATALOG]
    for document in documents:
        check(document.is_file(), f"the build did not put {document.name} beside {exe}")
    return documents


def help_command(win, key):
    win.key("alt+h")
    win.session.key(key)


def view(x, win, key, path):
    before = x.viewed()
    help_command(win, key)
    x.wait_viewed(path, before)


def catalogue_box(x, prog, win):
    """View Shareware Catalog without a catalogue: the box, and nothing viewed."""
    before = x.viewed()
    help_command(win, "s")
    box = x.wait_new_window("Information", known=[win], pid=prog.pid)
    x.check_box(box, "Information", CATALOG_BOX)
    box.key("Return")
    x.wait_no_window("Information", pid=prog.pid)
    check(x.viewed() == before, f"{x.viewed()} viewed, not {before}")


def close(prog, win):
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def both_documents(x, exe):
    prog = x.start_program(exe, extra_files=beside(exe))
    win = prog.wait_window(TITLE)
    view(x, win, "v", prog.path(README))
    view(x, win, "s", prog.path(CATALOG))
    check(not x.find_windows("Information", pid=prog.pid), "a box came with the documents")
    close(prog, win)


def catalogue_missing(x, exe):
    prog = x.start_program(exe, extra_files=beside(exe)[:1])
    win = prog.wait_window(TITLE)
    catalogue_box(x, prog, win)
    close(prog, win)


SCENARIOS = (both_documents, catalogue_missing)
