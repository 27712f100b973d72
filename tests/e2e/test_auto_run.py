"""Starting at login on a Linux desktop: the scenario of scenarios/auto_run.py,
whose stale autostart entry keeps its other keys when repaired and then starts
the program as a desktop would at login, without a prompt; and enabling and
disabling from the File menu, each with its Information box. The box texts are
read from the clipboard."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, Program, check  # noqa: E402
from linuxsession import LinuxSession  # noqa: E402
from scenarios import run  # noqa: E402
from scenarios.auto_run import answer, checked, disabled, enabled, menu_item, moved, repaired  # noqa: E402


class LoginStart(Program):
    """What a desktop runs at login: the entry's Exec, split as a desktop splits it."""

    def __init__(self, session, argv):
        self.argv = argv
        super().__init__(session, Path(argv[0]), (), {}, {}, ())
        session.programs.append(self)

    def command(self, args):
        return list(self.argv)


def stale_entry(x, exe):
    prog = repaired(x, exe)
    check("Comment=Kept when the entry is repaired\n" in x.autostart_entry().read_text(),
          "the repair dropped the entry's other keys")
    # The next login starts it from the entry: no prompt, the item checked.
    login = LoginStart(x, x.login_command())
    win = login.wait_window(TITLE)
    check(not x.find_windows("Warning", pid=login.pid), "the repaired entry prompted again")
    win.close()
    check(login.wait_exit() == 0, "the program started at login did not end cleanly")
    check(checked(prog), "unchecked when started at login")
    moved(x, exe, prog)


def enable_and_disable_from_the_menu(x, exe):
    (x.dir / "home" / ".config").mkdir(parents=True, exist_ok=True)
    prog = x.start_program(exe)
    win = prog.wait_window(TITLE)
    check(not x.find_windows("Warning", pid=prog.pid), "a prompt without any entry")
    for text, registered in ((enabled(x), prog), (disabled(x), None), (enabled(x), prog)):
        menu_item(x, win)
        answer(x, prog, "Information", "Return", text, known=[win])
        x.wait_registered(registered)
    win.close()
    check(checked(prog), "the File menu item was not checked after enabling")


if __name__ == "__main__":
    # A session each: one home, one autostart folder.
    run(LinuxSession, (stale_entry, enable_and_disable_from_the_menu), one_session=False)
