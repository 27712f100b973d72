"""What a user of either program meets when its surroundings are not as it left
them (the Linux program meets more: tests/e2e/test_bad_input.py):

- the settings file a symbolic link: the window opens where the target says, the close writes the target and the link
  stays a link to it, with no temporary file in either folder;
- a registration to start at login that is not a command line (an autostart
  entry without Exec; a Run value of REG_DWORD or REG_BINARY): at start the
  program's error box reports "Invalid data type for '<name>'", the window
  shows the clock, File, Exit saves the item unchecked and the registration
  is left as it was;
- a folder named catalog.txt: the Information box, and nothing viewed; no
  readme: the viewer is handed it all the same (its own message is its
  business), with no box of the program;
- a damaged logo in the program's own data: the About window opens all the
  same, with an empty, still logo, and closes; the program goes on."""

import os

import aboutview as av
from harness import TITLE, Rect, check, wait_until
from scenarios.documents import CATALOG, README, catalogue_box, close, help_command
from test_lifecycle import CLOCK, INI, settings

STORED = ("[orrindale]\nwindow_top_posn=0x50\nwindow_left_posn=0x64\nwindow_Width=0x2BC\n"
          "window_Height=0x230\n[Notes]\nkept=yes\n")
STORED_AT = Rect(0x64, 0x50, 0x2BC, 0x230)
# What the close makes of STORED: its values in decimal, the keys it lacked added.
SAVED = ("[orrindale]\nwindow_top_posn=80\nwindow_left_posn=100\nwindow_Width=700\n"
         "window_Height=560\nWindowState_wsMaximized=0\nAlways_on_Top_Option=0\n"
         "Auto_Run_at_Windows_Startup_Option=0\n[Notes]\nkept=yes\n")


def entries(folder):
    return sorted(p.name for p in folder.iterdir())


def placed(frame, win, want):
    wait_until(lambda: frame.bounds(win) == want, timeout=10, what=f"the window at {want}",
               describe=lambda: frame.bounds(win))


def report(x, prog, text):
    """The box the program shows over its window, captioned with its title:
    checks it and answers it."""
    def box():
        boxes = [w for w in x.find_windows(TITLE, pid=prog.pid) if w.title() == TITLE and w.is_box()]
        return boxes[0] if boxes else None
    found = wait_until(box, timeout=60, what="the program's report")
    x.check_box(found, TITLE, text)
    found.key("Return")
    wait_until(lambda: not found.is_viewable(), timeout=20, what="the report to close")


def through_link(x, exe, link, placement=None):
    """Starts the program with its settings file a relative link, placed as the
    target says, and closes it; the link stays, no temporary file is left beside it
    or the target. Returns the target's text."""
    frame = x.frame(exe)
    prog = x.start_program(exe, setup=lambda folder: (folder / INI).symlink_to(link))
    win = prog.wait_window()
    if placement:
        placed(frame, win, placement)
    close(prog, win)
    check(prog.path(INI).is_symlink() and os.readlink(prog.path(INI)) == link,
          f"the link became {os.readlink(prog.path(INI)) if prog.path(INI).is_symlink() else 'a file'}")
    target = prog.folder / link
    check(entries(prog.folder) == sorted([INI, exe.name]), f"the save left {entries(prog.folder)}")
    check(entries(target.parent) == [INI], f"the save left {entries(target.parent)} beside the target")
    return target.read_bytes().decode()


def symlinked_file(x, exe):
    (x.dir / "synced").mkdir()
    (x.dir / "synced" / INI).write_text(STORED.replace("\n", x.newline), newline="")
    text = through_link(x, exe, "../synced/" + INI, STORED_AT)
    check(text == SAVED.replace("\n", x.newline), f"the link's target holds {text!r}")


def registration_not_a_command(x, exe):
    for odd in x.odd_registrations():
        stored = x.registration_data()
        prog = x.start_program(exe)
        # No full stop is added after a quote, which sorts before it.
        report(x, prog, f"Invalid data type for '{x.registration}'")
        win = prog.wait_window()
        win.wait_title(lambda t: CLOCK.match(t), timeout=30, what="the clock caption after the report")
        win.key("alt+f")
        x.key("x")
        check(prog.wait_exit() == 0, "File, Exit did not end the program cleanly")
        check(dict(settings(prog))["Auto_Run_at_Windows_Startup_Option"] == "0",
              f"{odd} saved the item checked: {prog.read(INI)!r}")
        check(x.registration_data() == stored, f"{odd} became {x.registration_data()!r}")


def documents(x, exe):
    prog = x.start_program(exe, setup=lambda folder: (folder / CATALOG).mkdir())
    win = prog.wait_window()
    catalogue_box(x, prog, win)
    check(not prog.exists(README), "a readme lies beside the program")
    before = x.viewed()
    help_command(win, "v")
    x.wait_viewed(prog.path(README), before)
    # The viewer's own windows may carry the program's pid under Wine: the program's
    # boxes are known by their captions.
    boxes = [w.title() for w in x.find_windows("", pid=prog.pid)
             if w.title() in ("Information", "Warning", "Error", TITLE) and w.is_box()]
    check(not boxes, f"the program showed {boxes} for the missing readme")
    close(prog, win)


def damaged_logo(x, exe):
    (x.dir / "damaged").mkdir()
    prog = x.start_program(av.damaged_logo_copy(exe, x.dir / "damaged"))
    win = prog.wait_window()
    about = av.open_about(win, prog)
    av.check_logo_empty_and_still(about, prog)
    about.key("Escape")
    x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
    close(prog, win)


SCENARIOS = (symlinked_file, registration_not_a_command, documents, damaged_logo)
