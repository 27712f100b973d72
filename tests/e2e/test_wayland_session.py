"""On a Wayland desktop that also runs an X server (XWayland: DISPLAY and
WAYLAND_DISPLAY both set, XDG_SESSION_TYPE=wayland, no QT_QPA_PLATFORM chosen),
the program comes up on X, where its placement and always-on-top work: the
window stands at its stored place, above other windows, and nothing is printed.
Here the Wayland socket leads nowhere, so a program that tried Wayland first
would not start at all."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from harness import TITLE, E2EFailure, XSession, check, run_test, wait_until  # noqa: E402
from test_lifecycle import INI, ini, settings  # noqa: E402

STORED = dict(window_top_posn=120, window_left_posn=150, window_Width=700, window_Height=560)
WAYLAND_DESKTOP = {"WAYLAND_DISPLAY": "wayland-0", "XDG_SESSION_TYPE": "wayland",
                   "XDG_CURRENT_DESKTOP": "KDE", "QT_QPA_PLATFORM": ""}


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        prog = x.start_program(exe, files={INI: ini(**STORED, Always_on_Top_Option=1)},
                               env=WAYLAND_DESKTOP)
        try:
            win = prog.wait_window(TITLE)
            want = (STORED["window_left_posn"], STORED["window_top_posn"])
            wait_until(lambda: tuple(win.outer_geometry())[:2] == want, timeout=10,
                       what=f"the frame at its stored place {want}", describe=win.outer_geometry)
            wait_until(win.is_above, timeout=10, what="the window to stay on top",
                       describe=win.wm_state)
            win.close()
            check(prog.wait_exit() == 0, "the program did not end cleanly")
            kept = {k: int(v) for k, v in settings(prog) if k in STORED}
            check(kept == STORED, f"a start and a close moved the placement to {kept}")
            check(prog.output().strip() == "", f"the program printed:\n{prog.output()}")
        except E2EFailure:
            print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
