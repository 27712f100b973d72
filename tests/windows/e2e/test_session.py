"""The Wine session keeps its promises: links and mail addresses that a
program hands to Wine reach the session's recorder, never a real browser or
mail client; and no Wine process of a test's prefix copy, nor the copy
itself, outlives the test, whether it fails or is terminated."""

import json
import signal
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession, processes_with_prefix  # noqa: E402  (puts tests/e2e on the path)
from harness import TITLE, E2EFailure, check, run_test, wait_until  # noqa: E402
from test_harness import alive  # noqa: E402

URL = "http://example.invalid/orrindale"
MAIL = "mailto:nobody@example.invalid?subject=orrindale.exe"


def facts(x, prog):
    return {"prefix": str(x.prefix), "dir": str(x.dir), "xvfb": x.xvfb.pid, "wm": x.wm.pid,
            "program": prog.pid, "wine": x.wine_processes()}


def check_gone(f, how):
    # At once, not eventually: Wine would end its helpers by itself some time
    # after the program, but the session must not return before they are gone.
    left = processes_with_prefix(f["prefix"])
    check(not left, f"Wine processes {left} of the prefix copy still running {how}")
    for key in ("xvfb", "wm", "program"):
        wait_until(lambda: not alive(f[key]), timeout=15, what=f"{key} (pid {f[key]}) to end {how}")
    check(not any(alive(pid) for pid in f["wine"]), f"a Wine process survived {how}")
    check(not Path(f["dir"]).exists(), f"the session folder with the prefix copy was left {how}")


def links_then_a_failing_test(exe):
    try:
        with WineSession() as x:
            prog = x.start_program(exe)
            prog.wait_window(TITLE)
            # What ShellExecute does with a link: the association starts winebrowser.
            for target in (URL, MAIL):
                res = x.wine("start", target)
                check(res.returncode == 0, f"start {target} failed: {res.stderr!r}")
            wait_until(lambda: len(x.opened()) >= 2, timeout=15, what="both links at the recorder",
                       describe=x.opened)
            check(sorted(x.opened()) == sorted([URL, MAIL]), f"the recorder got {x.opened()}")
            f = facts(x, prog)
            check(len(f["wine"]) >= 2, "no Wine processes found in the prefix copy")
            raise E2EFailure("deliberate")
    except E2EFailure as exc:
        check(str(exc) == "deliberate", f"unexpected failure: {exc}")
    check_gone(f, "after a failing test")


def child(exe):
    with WineSession() as x:
        prog = x.start_program(exe)
        prog.wait_window(TITLE)
        print(json.dumps(facts(x, prog)), flush=True)
        signal.pause()


def terminated_test(exe):
    proc = subprocess.Popen([sys.executable, __file__, "--child", str(exe)],
                            stdout=subprocess.PIPE, text=True, start_new_session=True)
    try:
        line = proc.stdout.readline()
        check(line, "the child session printed nothing")
        f = json.loads(line)
        proc.send_signal(signal.SIGTERM)
        check(proc.wait(60) != 0, "the terminated child reported success")
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    check_gone(f, "after SIGTERM")


def main():
    exe = Path(sys.argv[1])
    links_then_a_failing_test(exe)
    terminated_test(exe)
    return 0


if __name__ == "__main__":
    if sys.argv[1:2] == ["--child"]:
        child(Path(sys.argv[2]))
    else:
        run_test(main)
