"""What a user meets when the program's surroundings are not as it left them,
each in one scenario (one X session for all):

- a folder the user may not write, as a program installed by root: the close
  reports "Unable to write to <path>.", the program still ends and the old
  file is untouched; with the file the user's own, the close writes it in place;
- a folder in the settings file's place: the window opens at the defaults
  without a word, the close reports the path, the folder and its content stay;
- the settings file a symbolic link (relative, or to a file not made yet): the
  window opens where the target says, the close writes the target and the link
  stays a link to it, with no temporary file in either folder;
- a full disk: the close reports the path, the old file is untouched and no
  temporary file is left;
- an autostart entry without an Exec key: at start "Invalid data type for
  'orrindale'" is reported, the year view still opens and the entry is kept;
- no readme: the desktop's opener is still handed its path (its own message is
  its business), no box from the program; a folder named catalog.txt: the
  Information box that the catalogue is missing, and nothing is opened;
- a damaged logo in the program's own data: the About window opens all the
  same, with an empty, still logo, and closes; the program goes on.

The texts of the boxes are read from the clipboard, where a box puts them on
Ctrl+C."""

import os
import resource
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import aboutview as av  # noqa: E402
from harness import TITLE, E2EFailure, Program, Rect, XSession, check, run_test, wait_until  # noqa: E402
from test_auto_run import box_text  # noqa: E402
from test_documents import CATALOG, CATALOG_BOX, README, Opener, help_command  # noqa: E402

INI = "orrindale.ini"
NOBODY = 65534
STORED = ("[orrindale]\nwindow_top_posn=0x50\nwindow_left_posn=0x64\nwindow_Width=0x2BC\n"
          "window_Height=0x230\n[Notes]\nkept=yes\n")
STORED_AT = Rect(0x64, 0x50, 0x2BC, 0x230)
# What the close makes of STORED: its values in decimal, the keys it lacked added.
SAVED = ("[orrindale]\nwindow_top_posn=80\nwindow_left_posn=100\nwindow_Width=700\n"
         "window_Height=560\nWindowState_wsMaximized=0\nAlways_on_Top_Option=0\n"
         "Auto_Run_at_Windows_Startup_Option=0\n[Notes]\nkept=yes\n")


def entries(folder):
    return sorted(p.name for p in Path(folder).iterdir())


def placed(win, want):
    wait_until(lambda: win.outer_geometry() == want, timeout=10, what=f"the window at {want}",
               describe=win.outer_geometry)


def report(x, prog, text):
    """The box the program shows over its window (titled as it is): checks its
    text and answers it."""
    def box():
        boxes = [w for w in x.find_windows(TITLE, pid=prog.pid) if w.transient_for()]
        return boxes[0] if boxes else None
    said = box_text(x, wait_until(box, timeout=20, what="the program's report"))
    check(said == text, f"the report says {said!r}, want {text!r}")
    box().key("Return")


def close_reporting(x, prog, win, path):
    win.close()
    report(x, prog, f"Unable to write to {path}.")
    check(prog.wait_exit() == 0, "the program did not end after the failed save was reported")


def close_quietly(x, prog, win):
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


class AsAnotherUser(Program):
    """Started by an unprivileged user (nobody) from a folder root made."""

    def __init__(self, session, executable, files):
        runtime = session.dir / "runtime-nobody"
        runtime.mkdir(mode=0o700, exist_ok=True)
        os.chown(runtime, NOBODY, NOBODY)
        session.dir.chmod(0o755)
        super().__init__(session, executable, (), files, {"XDG_RUNTIME_DIR": str(runtime)}, ())
        session.programs.append(self)

    def command(self, args):
        return ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", "--",
                str(self.exe), *args]


def folder_not_writable(x, exe):
    """As root, the program runs as nobody in root's folder (root may write anywhere);
    otherwise folder and file are made read-only for the user."""
    if os.geteuid() == 0:
        prog = AsAnotherUser(x, exe, {INI: STORED})
    else:
        prog = x.start_program(exe, files={INI: STORED})
        prog.path(INI).chmod(0o444)
        prog.folder.chmod(0o555)
    win = prog.wait_window()
    placed(win, STORED_AT)
    before = entries(prog.folder)
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.read(INI) == STORED, f"the failed save changed the file: {prog.read(INI)!r}")
    check(entries(prog.folder) == before, f"the failed save left {entries(prog.folder)}")

    # The file the user's own in the same folder: no new file can be made beside it,
    # so the save rewrites it in place.
    if os.geteuid() == 0:
        os.chown(prog.path(INI), NOBODY, NOBODY)
    else:
        prog.path(INI).chmod(0o644)
    inode = prog.path(INI).stat().st_ino
    prog = prog.rerun()
    win = prog.wait_window()
    placed(win, STORED_AT)
    close_quietly(x, prog, win)
    check(prog.read(INI) == SAVED, f"the save in place wrote {prog.read(INI)!r}")
    check(prog.path(INI).stat().st_ino == inode, "the file was replaced, not rewritten")
    check(entries(prog.folder) == before, f"the save left {entries(prog.folder)}")
    prog.folder.chmod(0o755)


def folder_for_file(x, exe):
    def folder_in_place(folder):
        (folder / INI).mkdir()
        (folder / INI / "notes.txt").write_text("mine\n")
    prog = x.start_program(exe, setup=folder_in_place)
    win = prog.wait_window()
    placed(win, Rect(20, 20, *tuple(win.outer_geometry())[2:]))
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.path(INI).is_dir() and entries(prog.path(INI)) == ["notes.txt"]
          and (prog.path(INI) / "notes.txt").read_text() == "mine\n",
          f"the folder in the file's place was changed: {entries(prog.path(INI))}")
    check(entries(prog.folder) == sorted([INI, exe.name]), f"the failed save left {entries(prog.folder)}")


def symlinked_file(x, exe):
    synced = x.dir / "synced"
    (synced / "new").mkdir(parents=True)
    (synced / "orrindale.ini").write_text(STORED)
    for link, target in (("../synced/orrindale.ini", synced / "orrindale.ini"),
                         ("../synced/new/orrindale.ini", synced / "new" / "orrindale.ini")):
        prog = x.start_program(exe, setup=lambda folder: (folder / INI).symlink_to(link))
        win = prog.wait_window()
        if target.exists():
            placed(win, STORED_AT)
        close_quietly(x, prog, win)
        check(prog.path(INI).is_symlink() and os.readlink(prog.path(INI)) == link,
              f"the link became {os.readlink(prog.path(INI)) if prog.path(INI).is_symlink() else 'a file'}")
        text = target.read_text()
        if link.endswith("new/orrindale.ini"):
            check(text.startswith("[orrindale]\nWindowState_wsMaximized=0\n") and text.count("=") == 7,
                  f"the link's missing target was written as {text!r}")
        else:
            check(text == SAVED, f"the link's target holds {text!r}")
        check(entries(prog.folder) == sorted([INI, exe.name]), f"the save left {entries(prog.folder)}")
        check(entries(target.parent) == (["new", "orrindale.ini"] if target.parent == synced
                                         else ["orrindale.ini"]),
              f"the save left {entries(target.parent)} beside the target")


def full_disk(x, exe):
    """The disk fills for the program once it is up: its file-size limit (prlimit,
    no privilege needed), set below the new file's size, makes the kernel refuse
    the save's bytes as a full disk would."""
    prog = x.start_program(exe, files={INI: STORED})
    win = prog.wait_window()
    placed(win, STORED_AT)
    resource.prlimit(prog.pid, resource.RLIMIT_FSIZE, (64, 64))
    close_reporting(x, prog, win, prog.path(INI))
    check(prog.read(INI) == STORED, f"the failed save changed the file: {prog.read(INI)!r}")
    check(entries(prog.folder) == sorted([INI, exe.name]), f"the failed save left {entries(prog.folder)}")


def odd_autostart_entry(x, exe):
    folder = x.dir / "home" / ".config" / "autostart"
    folder.mkdir(parents=True, exist_ok=True)
    entry = folder / "orrindale.desktop"
    odd = b"[Desktop Entry]\nType=Application\nName=Orrindale\nComment=started by hand\n"
    entry.write_bytes(odd)
    try:
        prog = x.start_program(exe)
        # No full stop is added after a quote, which sorts before it.
        report(x, prog, "Invalid data type for 'orrindale'")
        win = prog.wait_window()
        win.wait_title(lambda t: t != TITLE, timeout=5, what="the clock in the title")
        close_quietly(x, prog, win)
        check(entry.read_bytes() == odd, f"the entry became {entry.read_bytes()!r}")
        check("Auto_Run_at_Windows_Startup_Option=0\n" in prog.read(INI),
              f"the auto-run item was saved checked: {prog.read(INI)!r}")
    finally:
        entry.unlink()


def documents(x, exe):
    opener = Opener(x)
    prog = x.start_program(exe, env=opener.env(), setup=lambda folder: (folder / CATALOG).mkdir())
    win = prog.wait_window()
    help_command(win, "v")
    check(opener.wait_calls(1) == [[str(prog.folder / README)]], f"readme: {opener.calls()}")
    help_command(win, "s")
    box = x.wait_new_window("Information", known=[win], pid=prog.pid)
    said = box_text(x, box)
    check(said == CATALOG_BOX, f"the box says {said!r}")
    box.key("Return")
    x.wait_no_window("Information", pid=prog.pid)
    check(opener.calls() == [[str(prog.folder / README)]], f"the opener was started: {opener.calls()}")
    close_quietly(x, prog, win)


def damaged_logo(x, exe):
    (x.dir / "damaged").mkdir()
    prog = x.start_program(av.damaged_logo_copy(exe, x.dir / "damaged"))
    win = prog.wait_window()
    about = av.open_about(win, prog)
    av.check_logo_empty_and_still(about, prog)
    about.key("Escape")
    x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
    close_quietly(x, prog, win)


def main():
    exe = Path(sys.argv[1])
    failures = []
    with XSession() as x:
        for scenario in (folder_not_writable, folder_for_file, symlinked_file, full_disk,
                         odd_autostart_entry, documents, damaged_logo):
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
