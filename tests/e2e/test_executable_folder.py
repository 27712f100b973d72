"""The settings file lies beside the executable whatever the working directory, also
after the executable was replaced while running (an upgrade): closing writes it
there, and Restore Factory Defaults deletes that one, never a file of the same name
in the working directory."""

import shutil
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, Program, XSession, check, run_scenario, run_test, wait_until  # noqa: E402
from test_lifecycle import INI, ini, settings  # noqa: E402

DECOY = ini(window_top_posn=11, window_left_posn=22)


class StartedElsewhere(Program):
    """The program started from another working directory, as a launcher would."""

    def __init__(self, session, executable, files, workdir):
        self.workdir = workdir
        super().__init__(session, executable, (), files, {}, ())

    def command(self, args):
        return ["sh", "-c", 'cd "$1" && exec "$2"', "sh", str(self.workdir), str(self.exe)]


def start_elsewhere(x, exe, files=None):
    workdir = x.dir / f"elsewhere{len(x.programs)}"
    workdir.mkdir()
    (workdir / INI).write_bytes(DECOY.encode("latin-1"))
    prog = StartedElsewhere(x, Path(exe), files or {}, workdir)
    x.programs.append(prog)
    return prog, prog.wait_window(TITLE)


def upgrade(prog, exe):
    """A new executable in the old one's place while it runs."""
    prog.exe.unlink()
    shutil.copy2(exe, prog.exe)


def check_decoy_untouched(prog):
    decoy = prog.workdir / INI
    check(decoy.exists() and decoy.read_bytes().decode("latin-1") == DECOY,
          "the working directory's settings file was touched")


def close_after_upgrade(x, exe):
    prog, win = start_elsewhere(x, exe)
    upgrade(prog, exe)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    check(prog.exists(INI), f"no settings file beside the executable in {prog.folder}")
    check(dict(settings(prog))["window_top_posn"] == "20", f"settings written {settings(prog)}")
    check_decoy_untouched(prog)


def defaults_after_upgrade(x, exe):
    prog, win = start_elsewhere(x, exe, {INI: ini(window_top_posn=120, window_left_posn=150)})
    upgrade(prog, exe)
    win.key("alt+f")
    x.key("r")
    box = x.wait_new_window("Warning", known=[win], pid=prog.pid)
    box.key("Return")
    wait_until(lambda: not prog.exists(INI), timeout=5, what="the settings file beside the executable to go")
    check_decoy_untouched(prog)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        for scenario in (close_after_upgrade, defaults_after_upgrade):
            run_scenario(x, scenario, exe)
    return 0


if __name__ == "__main__":
    run_test(main)
