"""Help > About in the running program: the About window opens above a main window
that stays on top, centred on the screen at every showing, with its product texts;
its logo animates; the web and mail links reach the desktop's opener (a recorder
here) while the window stays open; Escape closes it and the program goes on."""

import sys
import urllib.parse
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import aboutview as av  # noqa: E402
from harness import TITLE, E2EFailure, XSession, check, run_test, save_artifact, wait_until  # noqa: E402
from test_lifecycle import INI, ini  # noqa: E402

# Stands in for xdg-open, which Qt hands links to: records them, opens nothing.
OPENER = """#!/bin/sh
printf '%s\\n' "$*" >> "{log}"
"""


def opener_env(x):
    bin_dir = x.dir / "bin"
    bin_dir.mkdir()
    log = x.dir / "opened.log"
    script = bin_dir / "xdg-open"
    script.write_text(OPENER.replace("{log}", str(log)))
    script.chmod(0o755)
    return {"PATH": f"{bin_dir}:/usr/bin:/bin", "BROWSER": ""}, log


def opened(log):
    return [urllib.parse.unquote(line) for line in log.read_text().splitlines()] if log.exists() else []


def main():
    exe = Path(sys.argv[1])
    with XSession() as x:
        env, log = opener_env(x)
        # On top, and lying where the About window will show.
        prog = x.start_program(exe, env=env, files={INI: ini(
            window_top_posn=250, window_left_posn=300, window_Width=700, window_Height=560,
            Always_on_Top_Option=1)})
        try:
            win = prog.wait_window(TITLE)
            wait_until(win.is_above, timeout=5, what="the main window to stay on top", describe=win.wm_state)
            x.park_pointer()

            about = av.open_about(win, prog)
            check(about.title() == av.ABOUT_TITLE, f"About window titled {about.title()!r}")
            check(tuple(about.client_geometry())[2:] == av.CLIENT_SIZE,
                  f"client area {about.client_geometry()}")
            av.check_above(x, about, win)
            av.check_centred(x, about)
            av.check_logo_animates(about)

            about.click(*av.WEB_LINK)
            wait_until(lambda: len(opened(log)) == 1, timeout=10, what="the web link at the opener",
                       describe=lambda: opened(log))
            about.click(*av.MAIL_LINK)
            wait_until(lambda: len(opened(log)) == 2, timeout=10, what="the mail link at the opener",
                       describe=lambda: opened(log))
            web, mail = opened(log)
            check(web == f"http://{av.WEB_ADDRESS}", f"the web link opened {web!r}")
            check(mail == f"mailto:{av.MAIL_ADDRESS}?subject=Shareware: {exe.name}",
                  f"the mail link opened {mail!r}")
            check(about.is_viewable(), "a link closed the About window")

            # Moved away, it is centred again at the next showing.
            about.move(10, 10)
            wait_until(lambda: about.outer_geometry().x < 100, timeout=5, what="the About window to move",
                       describe=about.outer_geometry)
            about.key("Escape")
            x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
            prog.check_running()
            about = av.open_about(win, prog)
            av.check_centred(x, about)
            av.check_above(x, about, win)
            about.key("Escape")
            x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
            win.close()
            check(prog.wait_exit() == 0, "the program did not end cleanly")
        except E2EFailure:
            save_artifact(x.screenshot(), "last-screen")
            print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
