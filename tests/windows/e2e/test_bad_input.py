"""orrindale.exe under Wine when its surroundings are not as it left them:

- a value of its name under the Run key that is not a string (REG_DWORD, then
  REG_BINARY, put there with `wine reg add`): at start the program's error box,
  captioned with its title, reports it ("Invalid data type for
  'orrindale.exe'"); Enter, and the main window shows the clock, the close
  saves the auto-run item unchecked, and the value is left as it was;
- a damaged logo in the program's resources: the About window opens all the
  same with an empty, still logo, and Escape closes it;
- a folder named catalog.txt: the Information box, and no Notepad;
- no readme: Notepad is started on the missing name all the same (its own
  question is its business), and no box of the program;
- the settings file a symbolic link to a file in another folder (as Linux
  makes it under Wine): the close writes the target and the link stays a link
  to it, with no temporary file in either folder.

Wine's boxes do not put their text on the clipboard, so the boxes are known
here by caption and owner; the texts are the Linux program's test's."""

import os
import re
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
import aboutview as av  # noqa: E402
import win32view as wv  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK, INI  # noqa: E402

RUN_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Run"
NAME = "orrindale.exe"
STORED = ("[orrindale]\r\nwindow_top_posn=0x50\r\nwindow_left_posn=0x64\r\nwindow_Width=0x2BC\r\n"
          "window_Height=0x230\r\n")
# What the close makes of STORED: the placement it opened at, in decimal, the keys it lacked added.
SAVED = ("[orrindale]\r\nwindow_top_posn=80\r\nwindow_left_posn=100\r\nwindow_Width=700\r\n"
         "window_Height=560\r\nWindowState_wsMaximized=0\r\nAlways_on_Top_Option=0\r\n"
         "Auto_Run_at_Windows_Startup_Option=0\r\n")


def owned_box(x, prog, caption):
    """A box of the program's, titled caption and owned by one of its windows."""
    def box():
        boxes = [w for w in x.find_windows(caption, pid=prog.pid)
                 if w.title() == caption and w.transient_for()]
        return boxes[0] if boxes else None
    return wait_until(box, timeout=60, what=f"a box captioned {caption!r}")


def run_value(x):
    res = x.wine("reg", "query", RUN_KEY, "/v", NAME)
    out = res.stdout.decode("utf-8", errors="replace")
    m = re.search(rf"^\s*{re.escape(NAME)}\s+(REG_\w+)\s+(.*?)\r?$", out, re.MULTILINE | re.IGNORECASE)
    return m.groups() if res.returncode == 0 and m else None


def run_value_not_a_string(x, exe):
    prog = None
    for kind, data in (("REG_DWORD", "7"), ("REG_BINARY", "0102ff")):
        res = x.wine("reg", "add", RUN_KEY, "/v", NAME, "/t", kind, "/d", data, "/f")
        check(res.returncode == 0, f"reg add {kind} failed: {res.stderr!r}")
        stored = run_value(x)
        check(stored and stored[0] == kind, f"the Run value reads {stored}")
        prog = prog.rerun() if prog else x.start_program(exe)
        box = owned_box(x, prog, TITLE)
        box.key("Return")
        win = prog.wait_window(TITLE)
        win.wait_title(lambda t: CLOCK.match(t), timeout=30, what="the clock caption after the report")
        wv.file_menu(win, "x")
        check(prog.wait_exit() == 0, "File, Exit did not end the program cleanly")
        check("Auto_Run_at_Windows_Startup_Option=0\r\n" in prog.read(INI),
              f"a {kind} value saved the item checked: {prog.read(INI)!r}")
        check(run_value(x) == stored, f"the {kind} value became {run_value(x)}")
    x.wine("reg", "delete", RUN_KEY, "/v", NAME, "/f")


def notepad_windows(x, prog):
    return [w for w in x.find_windows("") if "Notepad" in (w.title() or "")]


def damaged_logo_and_documents(x, exe):
    (x.dir / "damaged").mkdir()
    prog = x.start_program(av.damaged_logo_copy(exe, x.dir / "damaged"))
    win = prog.wait_window(TITLE)
    about = av.open_about(win, prog)
    av.check_logo_empty_and_still(about, prog)
    about.key("Escape")
    x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)

    prog.path("catalog.txt").mkdir()
    win.key("alt+h")
    x.key("s")
    owned_box(x, prog, "Information").key("Return")
    x.wait_no_window("Information", pid=prog.pid)
    check(not notepad_windows(x, prog), "Notepad was started on the catalogue folder")

    check(not prog.exists("orrindale.txt"), "a readme lies beside the program")
    win.key("alt+h")
    x.key("v")
    # Wine starts Notepad slowly under load.
    wait_until(lambda: notepad_windows(x, prog), timeout=90, what="Notepad on the missing readme")
    boxes = [w.title() for w in x.find_windows("", pid=prog.pid)
             if w.title() in ("Information", "Warning", "Error", TITLE) and w.transient_for()]
    check(not boxes, f"the program showed {boxes} for the missing readme")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def symlinked_file(x, exe):
    synced = x.dir / "synced"
    synced.mkdir()
    (synced / INI).write_bytes(STORED.encode())
    link = "../synced/" + INI
    prog = x.start_program(exe, setup=lambda folder: (folder / INI).symlink_to(link))
    win = prog.wait_window(TITLE)
    win.wait_title(lambda t: CLOCK.match(t), timeout=30, what="the clock caption")
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    check(prog.path(INI).is_symlink() and os.readlink(prog.path(INI)) == link,
          f"the link became {os.readlink(prog.path(INI)) if prog.path(INI).is_symlink() else 'a file'}")
    text = (synced / INI).read_bytes().decode()
    check(text == SAVED, f"the link's target holds {text!r}")
    for folder, want in ((prog.folder, [INI, exe.name]), (synced, [INI])):
        found = sorted(p.name for p in folder.iterdir())
        check(found == sorted(want), f"the save left {found} in {folder.name}")


def main():
    exe = Path(sys.argv[1])
    failures = []
    with WineSession() as x:
        for scenario in (run_value_not_a_string, symlinked_file, damaged_logo_and_documents):
            try:
                scenario(x, exe)
            except E2EFailure as exc:
                failures.append(f"{scenario.__name__}: {exc}")
                for prog in x.programs:
                    if prog.running():
                        print(prog.output(), file=sys.stderr)
                        prog.stop()
    check(not failures, "\n".join(failures))
    return 0


if __name__ == "__main__":
    run_test(main)
