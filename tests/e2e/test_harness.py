"""The harness tells two copies' windows apart by process, and never leaves an X
server, window manager or program running: not after a failing test, not when it
is terminated, not when it is killed."""

import json
import os
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, XSession, check, run_test, wait_until  # noqa: E402


def alive(pid):
    try:
        with open(f"/proc/{pid}/stat") as f:
            state = f.read().rpartition(")")[2].split()[0]
    except FileNotFoundError:
        return False
    return state not in ("Z", "X")


def session_facts(x, prog):
    return {"display": x.display, "xvfb": x.xvfb.pid, "wm": x.wm.pid,
            "program": prog.pid, "dir": str(x.dir)}


def check_gone(facts, how, socket_too=True):
    for key in ("xvfb", "wm", "program"):
        wait_until(lambda: not alive(facts[key]), timeout=15,
                   what=f"{key} (pid {facts[key]}) to end {how}")
    n = facts["display"].lstrip(":")
    if socket_too:
        check(not Path(f"/tmp/.X{n}-lock").exists(), f"display lock left {how}")
        check(not Path(f"/tmp/.X11-unix/X{n}").exists(), f"display socket left {how}")


def child():
    # A harness run that stays up until a signal ends it.
    with XSession() as x:
        prog = x.start_program("/bin/sleep", args=("600",))
        print(json.dumps(session_facts(x, prog)), flush=True)
        time.sleep(600)


def run_child():
    proc = subprocess.Popen([sys.executable, __file__, "--child"],
                            stdout=subprocess.PIPE, text=True, start_new_session=True)
    line = proc.stdout.readline()
    check(line, "the child harness printed nothing")
    return proc, json.loads(line)


# A child's teardown may take up to 2 x 5 s for each of its three processes (a polite
# end, then a kill), so the wait for it must be longer than that.
CHILD_END_S = 45


def two_copies_are_told_apart(exe):
    """A window looked up by process is that process's, with another copy running."""
    with XSession() as x:
        progs = [x.start_program(exe) for _ in range(2)]
        wins = [prog.wait_window(TITLE) for prog in progs]
        check(wins[0].id != wins[1].id, "both copies found the same window")
        for prog, win in zip(progs, wins):
            found = [w.id for w in x.find_windows(TITLE, pid=prog.pid)]
            check(found == [win.id], f"the windows of process {prog.pid}: {found}, want [{win.id}]")
            win.close()
            check(prog.wait_exit() == 0, "a copy did not end cleanly")


def main():
    two_copies_are_told_apart(sys.argv[1])

    # A failing test inside the session.
    try:
        with XSession() as x:
            prog = x.start_program("/bin/sleep", args=("600",))
            facts = session_facts(x, prog)
            check(alive(facts["xvfb"]) and alive(facts["wm"]) and prog.running(),
                  "session not up")
            check(x.run("xdotool", "getdisplaygeometry").split() == ["1280", "1024"],
                  "unexpected screen size")
            raise E2EFailure("deliberate")
    except E2EFailure as exc:
        check(str(exc) == "deliberate", f"unexpected failure: {exc}")
    check_gone(facts, "after an exception")
    check(not Path(facts["dir"]).exists(), "temporary folder left after an exception")

    # Terminated from outside (what CTest or a user's Ctrl-C does).
    for sig in (signal.SIGTERM, signal.SIGINT):
        proc, facts = run_child()
        proc.send_signal(sig)
        rc = proc.wait(CHILD_END_S)
        check(rc != 0, f"child ended with {rc} after {sig.name}")
        check_gone(facts, f"after {sig.name}")
        check(not Path(facts["dir"]).exists(), f"temporary folder left after {sig.name}")

    # Killed outright: the children still go (their parent-death signal).
    proc, facts = run_child()
    proc.kill()
    proc.wait(CHILD_END_S)
    check_gone(facts, "after SIGKILL", socket_too=False)
    shutil.rmtree(facts["dir"], ignore_errors=True)  # a killed harness cannot tidy up
    return 0


if __name__ == "__main__":
    if sys.argv[1:] == ["--child"]:
        child()
    else:
        run_test(main)
