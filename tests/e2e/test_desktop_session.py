"""The desktop session around the calendar. SIGTERM, SIGHUP and SIGINT (a log-out,
a closed terminal, Ctrl+C) close it as its close box does, saving where it stands,
also while a question is open (answered No), the start-up's repair prompt included.
A session checkpoint and a log-out that is then cancelled save the settings and
leave the calendar open as it was, maximised or not (the session manager is a small
XSMP server of the tests' own)."""

import os
import select
import signal
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import (TITLE, E2EFailure, Rect, _die_with_parent, check,  # noqa: E402
                     run_scenario, run_test, wait_until)
from linuxsession import LinuxSession  # noqa: E402
from test_lifecycle import INI, ini, settings, wait_outer  # noqa: E402

STORED = dict(window_top_posn=80, window_left_posn=100, window_Width=700, window_Height=560)
STORED_AT = (100, 80, 700, 560)


def session_manager_tool():
    default = Path(__file__).resolve().parents[2] / "build" / "e2e_session_manager"
    return os.environ.get("ORRINDALE_SESSION_MANAGER", str(default))


class SessionManager:
    """The test's session manager, driven a line at a time."""

    def __init__(self, x):
        self.proc = subprocess.Popen([session_manager_tool()], env=x.env(), stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                     preexec_fn=_die_with_parent)
        self.pending = b""
        first = self.line()
        check(first.startswith("SESSION_MANAGER="), f"session manager said {first!r}")
        self.address = first.partition("=")[2]

    def line(self, timeout=10):
        deadline = time.monotonic() + timeout
        while b"\n" not in self.pending:
            ready, _, _ = select.select([self.proc.stdout], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(self.proc.stdout.fileno(), 4096) if ready else b""
            check(chunk, f"the session manager said nothing more for {timeout} s")
            self.pending += chunk
        line, _, self.pending = self.pending.partition(b"\n")
        return line.decode().strip()

    def expect(self, *lines):
        for want in lines:
            got = self.line()
            check(got == want, f"the session manager said {got!r}, not {want!r}")

    def send(self, command):
        self.proc.stdin.write(command.encode() + b"\n")
        self.proc.stdin.flush()

    def stop(self):
        self.proc.stdin.close()
        self.proc.wait(5)


def placement(prog):
    values = dict(settings(prog))
    return tuple(int(values[k]) for k in ("window_left_posn", "window_top_posn", "window_Width",
                                         "window_Height"))


def moved_window(x, exe, env=None):
    """The program started at its stored place, then moved by the user; returns the
    program, its window and where the window now stands."""
    prog = x.start_program(exe, files={INI: ini(**STORED)}, env=env)
    win = prog.wait_window(TITLE)
    wait_outer(win, STORED_AT, "the stored placement")
    win.move(160, 120)
    moved = wait_until(lambda: (lambda r: r if r != Rect(*STORED_AT) else None)(win.outer_geometry()),
                       timeout=10, what="the window to move")
    return prog, win, tuple(moved)


def signals_close_politely(x, exe):
    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT):
        prog, _, moved = moved_window(x, exe)
        os.kill(prog.pid, sig)
        rc = prog.wait_exit(10)
        check(rc == 0, f"{sig.name} ended the program with {rc}")
        check(prog.exists(INI) and placement(prog) == moved,
              f"{sig.name} left {prog.read(INI) if prog.exists(INI) else 'no settings file'}")


def signal_while_a_question_is_open(x, exe):
    prog, win, moved = moved_window(x, exe)
    win.key("alt+f")
    x.key("r")
    x.wait_new_window("Warning", known=[win], pid=prog.pid)
    os.kill(prog.pid, signal.SIGTERM)
    rc = prog.wait_exit(10)
    check(rc == 0, f"SIGTERM under the question ended the program with {rc}")
    check(prog.exists(INI) and placement(prog) == moved,
          f"SIGTERM under the question left {prog.read(INI) if prog.exists(INI) else 'no settings file'}")


def signal_while_the_start_up_prompt_is_open(x, exe):
    x.register_elsewhere()
    try:
        prog = x.start_program(exe, files={INI: ini(**STORED)})
        x.wait_new_window("Warning", pid=prog.pid)
        os.kill(prog.pid, signal.SIGTERM)
        rc = prog.wait_exit(10)
    finally:
        x.autostart_entry().unlink()
    check(rc == 0, f"SIGTERM under the start-up prompt ended the program with {rc}")
    check(prog.exists(INI) and placement(prog) == STORED_AT,
          f"SIGTERM under the start-up prompt left {prog.read(INI) if prog.exists(INI) else 'no settings file'}")


def session_saves_keep_the_window(x, exe):
    manager = SessionManager(x)
    try:
        prog, win, moved = moved_window(x, exe, env={"SESSION_MANAGER": manager.address})
        manager.expect("registered")

        manager.send("checkpoint")
        manager.expect("saved")
        check(placement(prog) == moved, f"the checkpoint wrote {settings(prog)}")
        check(prog.running() and win.is_viewable(), "the checkpoint closed the calendar")

        win.maximize()
        manager.send("logout")
        manager.expect("saved", "cancelled")
        values = dict(settings(prog))
        check(values["WindowState_wsMaximized"] == "1" and placement(prog) == moved,
              f"the log-out wrote {values}")
        check(prog.running() and win.is_viewable() and win.is_maximized(),
              f"after the cancelled log-out: running {prog.running()}, state {win.wm_state()}")

        win.close()
        check(prog.wait_exit() == 0, "the program did not end cleanly")
    finally:
        manager.stop()


def main():
    exe = Path(sys.argv[1])
    with LinuxSession() as x:
        for scenario in (signals_close_politely, signal_while_a_question_is_open,
                         signal_while_the_start_up_prompt_is_open, session_saves_keep_the_window):
            run_scenario(x, scenario, exe)
    return 0


if __name__ == "__main__":
    run_test(main)
