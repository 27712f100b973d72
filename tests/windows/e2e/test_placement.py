"""Where a stored placement puts orrindale.exe's window under Wine, whose work
area is the window manager's (margins kept free, as a desktop's panels are):
the scenarios of the Linux program's test on the Win32 window bounds (the X
window plus Wine's caption and borders, measured on a placement within the
limits that the close writes back unchanged)."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402  (puts tests/e2e on the path)
import placement as pl  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test  # noqa: E402
from test_lifecycle import INI, ini  # noqa: E402
from winesession import WineSession  # noqa: E402

MEASURED = (200, 150, 600, 500)


def decorations(x, exe):
    text = ini(window_left_posn=MEASURED[0], window_top_posn=MEASURED[1], window_Width=MEASURED[2],
               window_Height=MEASURED[3])
    prog = x.start_program(exe, files={INI: text})
    win = prog.wait_window(TITLE)
    decor = wv.Decorations(win, MEASURED)
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")
    written = dict(line.split("=", 1) for line in prog.read(INI).split("\r\n")[1:] if line)
    check([int(written[k]) for k in ("window_left_posn", "window_top_posn", "window_Width", "window_Height")]
          == list(MEASURED), f"a placement within the limits came back as {written}")
    return decor


def main():
    exe = Path(sys.argv[1])
    with WineSession(margins=pl.MARGINS) as x:
        area = x.work_area()
        try:
            decor = decorations(x, exe)
            for scenario in pl.SCENARIOS:
                try:
                    scenario(x, exe, area, decor)
                except E2EFailure as exc:
                    raise E2EFailure(f"{scenario.__name__}: {exc}") from exc
        except E2EFailure:
            for prog in x.programs:
                print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
