"""Starting at login: a registration naming another folder's program (a stale
autostart entry; a stale Run value under HKEY_LOCAL_MACHINE) brings the Warning
prompt at start with both paths; Enter (Yes) rewrites it for this program and
the Information box follows; the File menu item is then checked, as the close
writes it to the settings file. A copy in another folder is offered the repair,
Escape (No) keeps the registration, and the File menu item, checked from it,
removes it with its box."""

from harness import TITLE, check
from test_lifecycle import CLOCK, settings


def enabled(x):
    return f"This program ({x.registration}) will now run automatically at Windows Start-Up."


def disabled(x):
    return f"This program ({x.registration}) will now no-longer run automatically at Windows Start-Up."


def repair_offered(x, old, current):
    """The Warning's text names the registered and the running program."""
    return lambda t: (t.startswith("The directory / path settings required to make this program "
                                   f"({x.registration})")
                      and f" Old      = {old}\n" in t and f" Current = {current}\n" in t)


def on_shown_main_window(x, prog, box):
    """A box raised during the start-up stands above the main window, shown already."""
    mains = [w for w in x.find_windows(TITLE, pid=prog.pid) if w.id != box.id]
    check(len(mains) == 1 and mains[0].is_viewable(), "the main window is not shown under the start-up box")
    stack = x.stacking()
    check(box.id in stack and mains[0].id in stack and stack.index(box.id) > stack.index(mains[0].id),
          "the start-up box is not above the main window")


def answer(x, prog, caption, key, expect, known=(), at_start=False):
    box = x.wait_new_window(caption, known=known, pid=prog.pid)
    if at_start:
        on_shown_main_window(x, prog, box)
    x.check_box(box, caption, expect)
    box.key(key)
    x.wait_no_window(caption, pid=prog.pid)


def started(prog):
    win = prog.wait_window(TITLE)
    win.wait_title(lambda t: CLOCK.match(t), timeout=10, what="the clock caption")
    return win


def menu_item(x, win):
    win.key("alt+f")
    x.key("a")


def checked(prog):
    """The File menu's auto-run check mark, as the close saved it."""
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    return dict(settings(prog))["Auto_Run_at_Windows_Startup_Option"] == "1"


def repaired(x, exe):
    """Returns the program that the registration now starts."""
    old = x.register_elsewhere()
    prog = x.start_program(exe)
    answer(x, prog, "Warning", "Return", repair_offered(x, old, x.program_path(prog)), at_start=True)
    answer(x, prog, "Information", "Return", enabled(x))
    win = started(prog)
    x.wait_registered(prog)
    win.close()
    check(checked(prog), "the File menu item was not checked after the repair")
    return prog


def moved(x, exe, registered):
    moved = x.start_program(exe)
    check(moved.folder != registered.folder, "the second copy shares the first one's folder")
    answer(x, moved, "Warning", "Escape",
           repair_offered(x, x.program_path(registered), x.program_path(moved)), at_start=True)
    win = started(moved)
    x.wait_registered(registered)
    menu_item(x, win)
    answer(x, moved, "Information", "Return", disabled(x), known=[win])
    x.wait_registered(None)
    win.key("alt+f")
    x.key("x")
    check(not checked(moved), "the File menu item stayed checked after disabling")


def stale_registration(x, exe):
    moved(x, exe, repaired(x, exe))


SCENARIOS = (stale_registration,)
