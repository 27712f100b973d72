"""Where a stored placement puts the window, on a screen whose work area is
smaller than the screen: a size of 2147483647 x 2147483647 opens as large as
the work area and no larger, with modest memory; a window stored far above the
screen opens with its title bar inside the work area; one hanging off the left
and top, or off the right, is moved just inside, keeping its size, while one
hanging off the bottom keeps its top. Closing while maximised and then
minimised writes the bounds the window returns to and the maximised flag."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import placement as pl  # noqa: E402
from harness import E2EFailure, XSession, run_test  # noqa: E402


def main():
    exe = Path(sys.argv[1])
    with XSession(margins=pl.MARGINS) as x:
        area = x.work_area()
        for scenario in pl.SCENARIOS:
            try:
                scenario(x, exe, area, pl.Frame())
            except E2EFailure as exc:
                for prog in x.programs:
                    print(prog.output(), file=sys.stderr)
                raise E2EFailure(f"{scenario.__name__}: {exc}") from exc
    return 0


if __name__ == "__main__":
    run_test(main)
