"""orrindale.exe under Wine where its path is awkward for the ANSI calls:

- folders named in Greek, Cyrillic and Japanese: the settings file beside the
  program is read (on top) and written back at the close;
- a folder named with a Greek Omega beside one named with a Latin O, which
  holds its own settings: the Omega copy reads and writes only its own file,
  opens its own readme and catalogue in Notepad, writes its own path to the
  Run key, and `wineboot`, which processes the Run key at log-on, starts that
  very copy;
- a folder of 244 characters: the close saves, though the temporary file's
  name passes MAX_PATH;
- a settings file that is a FIFO with a writer that never writes: the start
  is not stalled, and the close reports the failed save."""

import os
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import wineprefix  # noqa: E402
from winesession import RUN_KEY, WineSession  # noqa: E402  (puts tests/e2e on the path)
from harness import TITLE, check, wait_until  # noqa: E402
from scenarios import run  # noqa: E402
from scenarios.auto_run import answer, enabled, menu_item  # noqa: E402
from scenarios.documents import CATALOG, README, beside, view  # noqa: E402
from test_lifecycle import CLOCK, INI, ini, settings  # noqa: E402

ON_TOP = ini(Always_on_Top_Option=1)
LATIN, GREEK = "Omega", "\u03a9mega"


def started(prog):
    win = prog.wait_window(TITLE)
    win.wait_title(lambda t: CLOCK.match(t), timeout=10, what="the clock caption")
    return win


def close(prog, win):
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def saved(prog):
    return dict(settings(prog)) if prog.exists(INI) else {}


def settings_kept(x, exe, folder):
    prog = x.start_program(exe, files={INI: ON_TOP}, folder=folder)
    win = started(prog)
    wait_until(win.is_above, timeout=5, what=f"on top as the settings file in {folder} says",
               describe=win.wm_state)
    close(prog, win)
    check(saved(prog).get("Always_on_Top_Option") == "1" and "window_Width" in saved(prog),
          f"the close in {folder} wrote {saved(prog)}")


def outside_the_code_page(x, exe):
    for folder in ("\u0397\u03bc\u03b5\u03c1\u03bf\u03bb\u03cc\u03b3\u03b9\u03bf",
                   "\u041a\u0430\u043b\u0435\u043d\u0434\u0430\u0440\u044c", "\u30ab\u30ec\u30f3\u30c0\u30fc"):
        settings_kept(x, exe, folder)


def log_on(x):
    """Wine processes the Run key as a log-on does. Its output goes nowhere: the
    programs it starts would hold a captured pipe open."""
    res = subprocess.run([wineprefix.wine_loader(), "wineboot"], env=x.env(), stdin=subprocess.DEVNULL,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
    check(res.returncode == 0, f"wineboot ended with {res.returncode}")


def look_alike_beside(x, exe):
    latin = x.start_program(exe, files={INI: ON_TOP}, folder=LATIN)
    close(latin, started(latin))
    kept = latin.read(INI)
    prog = x.start_program(exe, extra_files=beside(exe), folder=GREEK)
    win = started(prog)
    check(not win.is_above(), f"the {GREEK} copy read the settings file of {LATIN}")
    view(x, win, "v", prog.path(README))
    view(x, win, "s", prog.path(CATALOG))
    menu_item(x, win)
    answer(x, prog, "Information", "Return", enabled(x), known=[win])
    x.wait_registered(prog)
    close(prog, win)
    check(saved(prog).get("Auto_Run_at_Windows_Startup_Option") == "1", f"the close wrote {saved(prog)}")
    check(latin.read(INI) == kept, f"the settings file of {LATIN} changed")

    prog.path(INI).unlink()
    try:
        log_on(x)
        close_started_by_log_on(x, x.wait_window(TITLE, timeout=60))
        wait_until(lambda: prog.exists(INI), timeout=20, what=f"the copy in {GREEK} to save at its close")
        check(latin.read(INI) == kept, f"the log-on started the copy in {LATIN}")
    finally:
        x.wine("reg", "delete", RUN_KEY, "/v", x.registration, "/f")


def close_started_by_log_on(x, win):
    win.wait_title(lambda t: CLOCK.match(t), timeout=10, what="the clock caption")
    win.close()
    x.wait_no_window(TITLE)


def long_folder(x, exe):
    # Wine names the folder Z: and its Linux path, with backslashes.
    name = "f" * (244 - len("Z:" + str(x.dir) + "/"))
    prog = x.start_program(exe, folder=name)
    check(len("Z:" + str(prog.folder)) == 244, f"the folder has {len('Z:' + str(prog.folder))} characters")
    close(prog, started(prog))
    check("window_Width" in saved(prog), f"the close wrote {saved(prog)}")


def fifo_with_a_writer(x, exe):
    holder = []

    def fifo(folder):
        os.mkfifo(folder / INI)
        # Read and write ends at once: the open returns, and a writer stays.
        holder.append(os.open(folder / INI, os.O_RDWR | os.O_NONBLOCK))
    try:
        prog = x.start_program(exe, setup=fifo)
        win = started(prog)
        win.close()
        x.wait_new_window(TITLE, known=[win], pid=prog.pid).key("Return")
        check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")
    finally:
        for fd in holder:
            os.close(fd)


# The look-alike last: the Run value it writes would greet every later copy with a prompt.
SCENARIOS = (outside_the_code_page, long_folder, fifo_with_a_writer, look_alike_beside)

if __name__ == "__main__":
    run(WineSession, SCENARIOS)
