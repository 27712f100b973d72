"""orrindale.exe under Wine from folders awkward for the ANSI calls: Greek,
Cyrillic and Japanese names, where its settings file is read (on top) and
written at the close; a folder of 244 characters, whose save needs a temporary
name past MAX_PATH; a Greek Omega folder beside a Latin O one, whose copy reads
only its own settings, opens its own readme and catalogue, writes its own path
to the Run key, and is the copy that `wineboot` starts from there as a log-on
does. Beside them a settings file that is a FIFO with a writer: the start goes
on, the close reports the failed save."""

import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import wineprefix  # noqa: E402
from winesession import RUN_KEY, WineSession  # noqa: E402  (puts tests/e2e on the path)
from harness import TITLE, check, wait_until  # noqa: E402
from scenarios import run  # noqa: E402
from scenarios.auto_run import answer, enabled, menu_item, started  # noqa: E402
from scenarios.documents import CATALOG, README, beside, close, view  # noqa: E402
from test_lifecycle import CLOCK, INI, ini, settings  # noqa: E402

ON_TOP = ini(Always_on_Top_Option=1)


def saved(prog, key):
    return dict(settings(prog)).get(key) if prog.exists(INI) else None


def folder_names(x, exe):
    long_name = "f" * (244 - len(f"Z:{x.dir}/"))
    for folder in ("Ημερολόγιο", "Календарь", "カレンダー", long_name):
        prog = x.start_program(exe, files={INI: ON_TOP}, folder=folder)
        win = started(prog)
        wait_until(win.is_above, timeout=5, what=f"on top as {INI} in {folder[:20]} says", describe=win.wm_state)
        close(prog, win)
        check(saved(prog, "window_Width"), f"the close in {folder[:20]} wrote no settings")


def fifo_with_a_writer(x, exe):
    ends = []
    # Opened for reading and writing, the FIFO opens at once and keeps a writer.
    prog = x.start_program(exe, setup=lambda folder: (os.mkfifo(folder / INI), ends.append(
        os.open(folder / INI, os.O_RDWR | os.O_NONBLOCK))))
    try:
        win = started(prog)
        win.close()
        x.wait_new_window(TITLE, known=[win], pid=prog.pid).key("Return")
        check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")
    finally:
        os.close(ends[0])


def look_alike_beside(x, exe):
    latin = x.start_program(exe, files={INI: ON_TOP}, folder="Omega")
    close(latin, started(latin))
    kept = latin.read(INI)
    prog = x.start_program(exe, extra_files=beside(exe), folder="Ωmega")
    win = started(prog)
    check(not win.is_above(), "the Ωmega copy read the settings file of Omega")
    view(x, win, "v", prog.path(README))
    view(x, win, "s", prog.path(CATALOG))
    menu_item(x, win)
    answer(x, prog, "Information", "Return", enabled(x), known=[win])
    x.wait_registered(prog)
    close(prog, win)
    prog.path(INI).unlink()
    try:
        # The programs wineboot starts would hold a captured output open.
        res = subprocess.run([wineprefix.wine_loader(), "wineboot"], env=x.env(), stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        check(res.returncode == 0, f"wineboot ended with {res.returncode}")
        again = x.wait_window(TITLE, timeout=60)
        again.wait_title(CLOCK.match, timeout=10, what="the clock caption")
        again.close()
        wait_until(lambda: prog.exists(INI), timeout=20, what="the Ωmega copy to save at its close")
        check(latin.read(INI) == kept, "the settings of Omega changed")
    finally:
        x.wine("reg", "delete", RUN_KEY, "/v", x.registration, "/f")


# The look-alike last: its Run value would greet every later copy with a prompt.
SCENARIOS = (folder_names, fifo_with_a_writer, look_alike_beside)

if __name__ == "__main__":
    run(WineSession, SCENARIOS)
