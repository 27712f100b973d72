"""Starting at login on a Linux desktop: the scenario of scenarios/auto_run.py,
whose stale autostart entry keeps its other keys when repaired and then starts
the program as a desktop would at login, without a prompt; enabling and
disabling from the File menu, each with its Information box; and entries
written from awkward folders, started by GLib's launcher, dex and the unit that
systemd's autostart generator makes of them. The box texts are read from the
clipboard."""

import os
import shlex
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, Program, check, wait_until  # noqa: E402
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


# Every character that once needed an escape in an Exec, a space and letters beyond ASCII;
# the last folder's path is written as it is.
AWKWARD_FOLDERS = ("100% sure", "it's \"quoted\" back\\slash", "$HOME `id` \u03a9mega",
                   "My Programs (\u00fcn\u00ef)")
GENERATOR = "/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator"


def generated_command(x, env):
    """The command of the unit that systemd's generator makes of the entry, once
    systemd-analyze finds nothing to say about the unit. No user manager runs
    here, so the command is split as the unit file quotes it and run as it."""
    units = x.dir / "units"
    shutil.rmtree(units, ignore_errors=True)
    units.mkdir()
    made = subprocess.run([GENERATOR, units, units, units], env=env, capture_output=True, text=True)
    unit = units / "app-orrindale@autostart.service"
    check(unit.exists(), f"no unit made: {made.stderr}")
    verified = subprocess.run(["systemd-analyze", "verify", "--user", "--man=no", unit], env=env,
                              capture_output=True, text=True)
    check(verified.returncode == 0 and not verified.stderr + verified.stdout,
          f"systemd-analyze: {verified.stdout}{verified.stderr}")
    lines = [line for line in unit.read_text().splitlines() if line.startswith("ExecStart=:")]
    check(len(lines) == 1, f"ExecStart lines {lines}")
    return shlex.split(lines[0][len("ExecStart=:"):])


def launchers(x, entry, env):
    yield "gio", ["gio", "launch", str(entry)]
    yield "dex", ["dex", str(entry)]
    yield "systemd", generated_command(x, env)


def copy_started_from(x, exe):
    """The window and process of a copy of exe that something else started."""
    def found():
        for win in x.find_windows(TITLE):
            pid = int(x.run("xdotool", "getwindowpid", str(win.id)))
            if Path(os.readlink(f"/proc/{pid}/exe")) == exe.resolve():
                return win, pid
        return None
    return wait_until(found, timeout=30, what=f"the copy in {exe.parent.name!r} to start")


def ended(pid):
    try:
        return Path(f"/proc/{pid}/stat").read_text().rsplit(") ", 1)[1].startswith("Z")
    except FileNotFoundError:
        return True


def awkward_folders_start_at_login(x, exe):
    for name in AWKWARD_FOLDERS:
        x.autostart_entry().unlink(missing_ok=True)
        prog = x.start_program(exe, folder=name)
        win = prog.wait_window(TITLE)
        menu_item(x, win)
        answer(x, prog, "Information", "Return", enabled(x), known=[win])
        win.close()
        check(prog.wait_exit() == 0, "the program did not end cleanly")
        entry = x.autostart_entry()
        res = subprocess.run(["desktop-file-validate", entry], capture_output=True, text=True)
        check(res.returncode == 0, f"desktop-file-validate: {res.stdout}{res.stderr}")
        env = dict(prog.env, XDG_CONFIG_DIRS=str(x.dir / "no-system-config"))
        for how, argv in launchers(x, entry, env):
            with open(x.dir / f"{how}-output.log", "ab") as log:
                launcher = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log)
            try:
                login, pid = copy_started_from(x, prog.exe)
                login.close()
                wait_until(lambda: ended(pid), timeout=20, what=f"the copy {how} started to end")
            finally:
                launcher.kill()
                launcher.wait()


if __name__ == "__main__":
    # A session each: one home, one autostart folder.
    run(LinuxSession, (stale_entry, enable_and_disable_from_the_menu, awkward_folders_start_at_login),
        one_session=False)
