"""Crash safety of the settings file: the program is started, asked to close
politely through the window manager (which saves its settings) and killed with
SIGKILL at a random moment around that save, 200 times in one X session, each
start from whatever the kill before it left.

After every kill the settings file holds exactly the old or exactly the new
content, and the next start opens the window where that content says. A save
names its new file only once the file is complete and on disk, then renames it
over the old one; so after a kill no temporary file lies beside the settings
file, except in the instant between naming and rename, when it is a complete
copy of the new content and the next start removes it. That is the guarantee
tested: any leftover must be such a copy, and gone once the program is up again.

The old and new contents differ in every round: while the program runs, the
test stores another placement in hexadecimal (as another copy of the program
or a hand edit would), and the close writes the placement the window opened
at, in decimal. Kills are timed from the close request or from the moment the
save opens the file (watched with inotify), over spans measured by a few
untouched saves first; inotify's record of what the killed process did tells
whether each kill landed before, during or after the write. The random
generator's seed is printed; ORRINDALE_CRASH_SEED=<seed> replays a run."""

import os
import random
import re
import signal
import statistics
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import folder_watch as fw  # noqa: E402
from harness import TITLE, E2EFailure, Rect, Window, XSession, check, run_test  # noqa: E402

INI = "orrindale.ini"
TEMPORARY = re.compile(re.escape(INI) + r"\.\d+-\d+\.tmp")
KILLS = 200
CALIBRATION = 3
KEYS = ("WindowState_wsMaximized", "window_top_posn", "window_left_posn", "window_Width",
        "window_Height", "Always_on_Top_Option", "Auto_Run_at_Windows_Startup_Option")


def settings_text(values, note, number):
    return ("[orrindale]\n" + "".join(f"{k}={number(values[k])}\n" for k in KEYS)
            + f"[Trial]\nRound={note}\n")


def random_placement(rng):
    """Somewhere the window fits whole on the 1280 x 1024 screen."""
    return {"WindowState_wsMaximized": 0, "window_top_posn": rng.randint(0, 400),
            "window_left_posn": rng.randint(0, 560), "window_Width": rng.randint(600, 700),
            "window_Height": rng.randint(500, 600), "Always_on_Top_Option": 0,
            "Auto_Run_at_Windows_Startup_Option": 0}


def stored_values(text):
    values = {}
    for line in text.splitlines():
        key, sep, value = line.partition("=")
        if sep and key in KEYS:
            values[key] = int(value, 0)
    check(set(values) == set(KEYS), f"the settings file lacks keys: {text!r}")
    return values


def outer_bounds(values):
    return Rect(values["window_left_posn"], values["window_top_posn"], values["window_Width"],
                values["window_Height"])


def poll(predicate, timeout, what, describe=None):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            detail = f": {describe()}" if describe else ""
            raise E2EFailure(f"timed out after {timeout} s waiting for {what}{detail}")
        time.sleep(0.02)


def framed_window(x, prog):
    # One X tool a poll: the rounds are many and the program starts on the same cores.
    def found():
        prog.check_running()
        out = x._try("xdotool", "search", "--onlyvisible", "--pid", str(prog.pid),
                     "--name", "^" + re.escape(TITLE))
        wins = [Window(x, int(wid)) for wid in (out or "").split()]
        return wins[0] if len(wins) == 1 and wins[0].frame_extents_or_none() else None
    return poll(found, 30, "the main window, framed")


def temporaries(prog):
    return sorted(p.name for p in prog.folder.iterdir() if TEMPORARY.fullmatch(p.name))


def started(x, prog, text):
    """Starts the copy from the file text; checks that it opens where the file says
    and that the start cleared what an earlier save left."""
    if not prog.running():
        prog = prog.rerun()
    win = framed_window(x, prog)
    want = outer_bounds(stored_values(text))
    poll(lambda: win.outer_geometry() == want, 10, f"the window at the stored {want}",
         win.outer_geometry)
    left = temporaries(prog)
    check(not left, f"the start left the temporary files {left}")
    return prog, win


def pause_until(moment):
    while True:
        left = moment - time.monotonic()
        if left <= 0:
            return
        if left > 0.002:
            time.sleep(left - 0.001)


def ask_to_close(x, win):
    """Starts a polite close through the window manager, as the close box does, and
    returns at once, so that a kill can land before the request arrives."""
    asked = time.monotonic()
    request = subprocess.Popen(["wmctrl", "-i", "-c", hex(win.id)], env=x.env(),
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    return request, asked


class Timeline:
    """Spans of an untouched save, measured from the close request."""

    def __init__(self):
        self.opened, self.replaced = [], []

    def measure(self, x, watch, win, prog):
        watch.drain()
        request, asked = ask_to_close(x, win)
        _, opened = watch.wait_for(lambda m, n: m & fw.IN_OPEN and n == INI, 10)
        _, replaced = watch.wait_for(lambda m, n: m & fw.IN_MOVED_TO and n == INI, 10)
        check(opened and replaced, "the close did not open and replace the settings file")
        check(prog.wait_exit() == 0 and request.wait(10) == 0, "the program did not end cleanly")
        self.opened.append(opened - asked)
        self.replaced.append(replaced - asked)

    def spans(self):
        to_open = statistics.median(self.opened)
        writing = max(statistics.median(self.replaced) - to_open, 0.0005)
        return to_open, writing


def kill_around_save(x, rng, watch, win, prog, spans):
    """Asks the window to close, kills the program at a random moment around its
    save; returns the events of the folder until the kill, oldest first."""
    to_open, writing = spans
    watch.drain()
    request, asked = ask_to_close(x, win)
    seen = []
    if rng.random() < 1 / 3:
        # From the request: mostly before the save, some during and after it.
        pause_until(asked + rng.uniform(0, (to_open + writing) * 1.3))
    else:
        # From the save's opening of the file: over the write and a little past it.
        seen, opened = watch.wait_for(lambda m, n: m & fw.IN_OPEN and n == INI, 10)
        check(opened is not None, "the close did not open the settings file")
        pause_until(opened + rng.uniform(0, writing * 2))
    os.kill(prog.pid, signal.SIGKILL)
    request.wait(10)
    code = prog.wait_exit()
    check(code in (0, -signal.SIGKILL), f"the program ended with {code}")
    return seen + watch.drain()


def landed(events):
    opened = any(m & fw.IN_OPEN and n == INI for m, n in events)
    replaced = any(m & fw.IN_MOVED_TO and n == INI for m, n in events)
    return "after" if replaced else "during" if opened else "before"


def check_left(prog, old, new, moment, events):
    """What a kill left: the old or the new file whole and, only when the kill came
    in the instant between naming the new file and its rename, that file: complete
    (holding the new content) and never written under its name."""
    check(prog.exists(INI), f"the settings file is gone (kill {moment} the write)")
    text = prog.read(INI)
    check(text in (old, new), f"kill {moment} the write left {text!r}\nold {old!r}\nnew {new!r}")
    check((text == new) == (moment == "after"),
          f"kill {moment} the write, yet the file holds the {'new' if text == new else 'old'} content")
    others = {p.name for p in prog.folder.iterdir()} - {INI, prog.exe.name}
    left = temporaries(prog)
    check(others == set(left), f"unexpected files beside the settings file: {sorted(others)}")
    for name in left:
        written = [m for m, n in events if n == name and m & (fw.IN_MODIFY | fw.IN_OPEN)]
        check(not written, f"kill {moment} the write left {name}, written to under that name")
        check(text == old and prog.read(name) == new,
              f"kill {moment} the write left {name} holding {prog.read(name)!r}")
    return text, len(left)


def main():
    exe = Path(sys.argv[1])
    seed = int(os.environ.get("ORRINDALE_CRASH_SEED") or random.SystemRandom().randrange(2 ** 32))
    print(f"seed {seed} (replay: ORRINDALE_CRASH_SEED={seed})", flush=True)
    rng = random.Random(seed)
    began = time.monotonic()
    with XSession() as x:
        text = settings_text(random_placement(rng), "start", str)
        prog = x.start_program(exe, files={INI: text})
        try:
            return trial(x, prog, text, rng, began)
        except E2EFailure:
            print(f"seed {seed}", file=sys.stderr)
            for p in x.programs[-2:]:
                print(p.output(), file=sys.stderr)
            raise


def trial(x, first, text, rng, began):
    counts = {"before": 0, "during": 0, "after": 0}
    copies_left = 0
    timeline = Timeline()
    prog = first
    with fw.FolderWatch(prog.folder) as watch:
        for round_no in range(CALIBRATION + KILLS + 1):
            prog, win = started(x, prog, text)
            current = stored_values(text)
            old = settings_text(random_placement(rng), round_no, hex)
            new = settings_text(current, round_no, str)
            prog.write(INI, old)
            if round_no < CALIBRATION or round_no == CALIBRATION + KILLS:
                timeline.measure(x, watch, win, prog)
                check(prog.read(INI) == new, f"an untouched save wrote {prog.read(INI)!r}, want {new!r}")
                check(not temporaries(prog), f"an untouched save left {temporaries(prog)}")
                text = new
                continue
            events = kill_around_save(x, rng, watch, win, prog, timeline.spans())
            moment = landed(events)
            counts[moment] += 1
            text, left = check_left(prog, old, new, moment, events)
            copies_left += left
    to_open, writing = timeline.spans()
    print(f"{KILLS} kills: {counts['before']} before, {counts['during']} during and {counts['after']} "
          f"after the write (close request to open {to_open * 1000:.1f} ms, open to rename "
          f"{writing * 1000:.2f} ms); {copies_left} complete copies under a temporary name, each "
          f"removed by the next start; {time.monotonic() - began:.0f} s")
    check(counts["before"] and counts["after"], f"the kills did not land around the saves: {counts}")
    return 0


if __name__ == "__main__":
    run_test(main)
