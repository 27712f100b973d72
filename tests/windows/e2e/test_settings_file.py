"""orrindale.ini beside orrindale.exe under Wine: a stored placement is
applied as read and written back unchanged by the polite close (the close
box); a first start without the file opens at 20, 20 with the design client
area below the menu bar, and the close writes the seven keys in order with
the outer size that makes; a hand-made file places the window, puts it on top
for Always_on_Top_Option=2 (the menu item toggles that), gets 1 back and
keeps every hand-added line and section; a stored maximised state opens
maximised and survives the close with the normal bounds. The file is read
from the Linux side, CRLF and all."""

import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import win32view as wv  # noqa: E402
import yearview as yv  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, wait_until  # noqa: E402
from test_lifecycle import CLOCK, INI, KEYS  # noqa: E402
from winesession import WineSession  # noqa: E402


def lines(*text):
    return "".join(f"{line}\r\n" for line in text)


def start(x, exe, text=None):
    prog = x.start_program(exe, files={INI: text} if text is not None else None)
    win = prog.wait_window(TITLE)
    # The clock ticking in the caption means the start-up sequence is over.
    win.wait_title(lambda t: CLOCK.match(t), timeout=5, what="the clock caption")
    return prog, win


def close_politely(prog, win):
    win.close()
    code = prog.wait_exit()
    check(code == 0, f"orrindale.exe ended with {code} after the close box")
    check(prog.exists(INI), "no settings file after closing")
    return prog.read(INI)


def check_file(text, want, what):
    check(text == want, f"{what}:\n{text!r}\nwant:\n{want!r}")


def seven_keys(*values):
    return "[orrindale]\r\n" + lines(*(f"{k}={v}" for k, v in zip(KEYS, values)))


def stored_placement(x, exe):
    """Returns Wine's non-client widths, measured on the stored placement."""
    stored = seven_keys("0", "80", "100", "700", "560", "0", "0")
    prog, win = start(x, exe, stored)
    decor = wv.Decorations(win, (100, 80, 700, 560))
    check_file(close_politely(prog, win), stored, "closing should write the stored placement back")
    return decor


def first_start(x, exe, decor):
    prog, win = start(x, exe)
    menu = wv.locate_layout(win)
    check(not win.is_maximized() and not win.is_above(), f"state {win.wm_state()} at first start")
    # Whatever the frame, the client area below the menu bar takes the design size.
    width, height = yv.DESIGN_CLIENT[0], yv.DESIGN_CLIENT[1] + menu
    want = (20, 20, width + decor.left + decor.right, height + decor.top + decor.bottom)
    decor.wait_bounds(win, want, f"20, 20 with a {yv.DESIGN_CLIENT[0]} x {yv.DESIGN_CLIENT[1]} "
                                 "client area below the menu bar")
    check(not prog.exists(INI), "a settings file appeared before closing")
    check_file(close_politely(prog, win), seven_keys("0", "20", "20", want[2], want[3], "0", "0"),
               "the first close should write the seven keys in order")
    return decor, want[3]


def hand_made_file(x, exe, decor, design_outer_height):
    before = lines("; placed by hand", "[orrindale]", "window_top_posn=50", "window_left_posn=70",
                   "window_Width=0x2A0", "Always_on_Top_Option=2", "Note_By_Hand=keep me",
                   "[Elsewhere]", "Colour=blue")
    prog, win = start(x, exe, before)
    # Without a stored height the client area takes the design height.
    placed = (70, 50, 672, design_outer_height)
    decor.wait_bounds(win, placed, "the stored place and width 0x2A0 = 672 with the design client height")
    wait_until(win.is_above, timeout=5, what="_NET_WM_STATE_ABOVE from Always_on_Top_Option=2",
               describe=win.wm_state)
    # The menu item toggles the same state, and only the z-order band changes.
    for on in (False, True):
        wv.file_menu(win, "o")
        wait_until(lambda: win.is_above() == on, timeout=5, what=f"Always On Top toggled to {on}",
                   describe=win.wm_state)
        check(decor.bounds(win) == placed, f"toggling moved the window to {decor.bounds(win)}")
    # Stored keys are rewritten in place, missing ones appended to the section.
    check_file(close_politely(prog, win),
               lines("; placed by hand", "[orrindale]", "window_top_posn=50", "window_left_posn=70",
                     "window_Width=672", "Always_on_Top_Option=1", "Note_By_Hand=keep me",
                     "WindowState_wsMaximized=0", f"window_Height={design_outer_height}",
                     "Auto_Run_at_Windows_Startup_Option=0", "[Elsewhere]", "Colour=blue"),
               "closing should update the stored keys and keep the hand-added lines")


def maximised(x, exe, decor, design_outer_height):
    stored = seven_keys("1", "80", "100", "700", "560", "0", "0")
    prog, win = start(x, exe, stored)
    wait_until(win.is_maximized, timeout=10, what="the window to open maximised",
               describe=win.wm_state)
    check_file(close_politely(prog, win), stored,
               "closing maximised should keep the flag and the normal bounds")


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        failures = []
        try:
            decor, design_outer_height = first_start(x, exe, stored_placement(x, exe))
            # The later scenarios stand on their own: each reports its fault.
            for scenario in (hand_made_file, maximised):
                try:
                    scenario(x, exe, decor, design_outer_height)
                except E2EFailure as exc:
                    failures.append(f"{scenario.__name__}: {exc}")
                    for prog in x.programs:
                        prog.stop()
            check(not failures, "\n".join(failures))
        except E2EFailure:
            for prog in x.programs:
                print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
