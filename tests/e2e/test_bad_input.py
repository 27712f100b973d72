"""What a user meets when the Linux program's surroundings are not as it left
them: the scenarios of scenarios/bad_input.py and, in one X session with them,

- a folder the user may not write, as a program installed by root: the close
  reports "Unable to write to <path>.", the program still ends and the old
  file is untouched; with the file the user's own, the close writes it in place;
- a folder in the settings file's place: the window opens at the defaults
  without a word, the close reports the path, the folder and its content stay;
- the settings file a symbolic link to a file not made yet: the close writes
  the target and the link stays a link to it (under Wine the link is the file
  it names, and a missing one is no file at all);
- a full disk: the close reports the path, the old file is untouched and no
  temporary file is left.

The texts of the boxes are read from the clipboard, where a box puts them on
Ctrl+C."""

import grp
import os
import pwd
import resource
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import Program, Rect, check  # noqa: E402
from linuxsession import LinuxSession  # noqa: E402
from scenarios import bad_input, run  # noqa: E402
from scenarios.bad_input import (SAVED, STORED, STORED_AT, close, entries, placed, report,  # noqa: E402
                                 through_link)  # noqa: E402
from test_lifecycle import INI  # noqa: E402

USER, GROUP = "nobody", "nogroup"


def close_reporting(x, prog, win, path):
    win.close()
    report(x, prog, f"Unable to write to {path}.")
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")


class AsAnotherUser(Program):
    """Started by an unprivileged user from a folder root made (root may write anywhere)."""

    def __init__(self, session, executable, files):
        uid, gid = pwd.getpwnam(USER).pw_uid, grp.getgrnam(GROUP).gr_gid
        runtime = session.dir / "runtime-nobody"
        runtime.mkdir(mode=0o700, exist_ok=True)
        os.chown(runtime, uid, gid)
        session.dir.chmod(0o755)  # mkdtemp's folder lets only root in
        super().__init__(session, executable, (), files, {"XDG_RUNTIME_DIR": str(runtime)}, ())
        session.programs.append(self)

    def command(self, args):
        return ["setpriv", f"--reuid={USER}", f"--regid={GROUP}", "--clear-groups", "--",
                str(self.exe), *args]


def folder_not_writable(x, exe):
    """As root the program runs as nobody in root's folder; otherwise folder and
    file are made read-only for the user."""
    frame = x.frame(exe)
    if os.geteuid() == 0:
        prog = AsAnotherUser(x, exe, {INI: STORED})
    else:
        prog = x.start_program(exe, files={INI: STORED})
        prog.path(INI).chmod(0o444)
        prog.folder.chmod(0o555)
    win = prog.wait_window()
    placed(frame, win, STORED_AT)
    before = entries(prog.folder)
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.read(INI) == STORED, f"the failed save changed the file: {prog.read(INI)!r}")
    check(entries(prog.folder) == before, f"the failed save left {entries(prog.folder)}")

    # The file the user's own in the same folder: no new file can be made beside it,
    # so the save rewrites it in place.
    if os.geteuid() == 0:
        os.chown(prog.path(INI), pwd.getpwnam(USER).pw_uid, grp.getgrnam(GROUP).gr_gid)
    else:
        prog.path(INI).chmod(0o644)
    inode = prog.path(INI).stat().st_ino
    prog = prog.rerun()
    win = prog.wait_window()
    placed(frame, win, STORED_AT)
    close(prog, win)
    check(prog.read(INI) == SAVED, f"the save in place wrote {prog.read(INI)!r}")
    check(prog.path(INI).stat().st_ino == inode, "the file was replaced, not rewritten")
    check(entries(prog.folder) == before, f"the save left {entries(prog.folder)}")
    prog.folder.chmod(0o755)


def folder_for_file(x, exe):
    frame = x.frame(exe)
    def folder_in_place(folder):
        (folder / INI).mkdir()
        (folder / INI / "notes.txt").write_text("mine\n")
    prog = x.start_program(exe, setup=folder_in_place)
    win = prog.wait_window()
    placed(frame, win, Rect(20, 20, *tuple(win.outer_geometry())[2:]))
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.path(INI).is_dir() and entries(prog.path(INI)) == ["notes.txt"]
          and (prog.path(INI) / "notes.txt").read_text() == "mine\n",
          f"the folder in the file's place was changed: {entries(prog.path(INI))}")
    check(entries(prog.folder) == sorted([INI, exe.name]), f"the failed save left {entries(prog.folder)}")


def link_to_missing_file(x, exe):
    (x.dir / "unsynced").mkdir()
    text = through_link(x, exe, "../unsynced/" + INI)
    check(text.startswith("[orrindale]\nWindowState_wsMaximized=0\n") and text.count("=") == 7,
          f"the link's missing target was written as {text!r}")


def full_disk(x, exe):
    """The disk fills for the program once it is up: its file-size limit (prlimit,
    no privilege needed), set below the new file's size, makes the kernel refuse
    the save's bytes as a full disk would."""
    frame = x.frame(exe)
    prog = x.start_program(exe, files={INI: STORED})
    win = prog.wait_window()
    placed(frame, win, STORED_AT)
    resource.prlimit(prog.pid, resource.RLIMIT_FSIZE, (64, 64))
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.read(INI) == STORED, f"the failed save changed the file: {prog.read(INI)!r}")
    check(entries(prog.folder) == sorted([INI, exe.name]), f"the failed save left {entries(prog.folder)}")


if __name__ == "__main__":
    run(LinuxSession, (folder_not_writable, folder_for_file, link_to_missing_file, full_disk) + bad_input.SCENARIOS)
