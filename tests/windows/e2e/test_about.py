"""Help > About in orrindale.exe under Wine: the About window opens above a main
window that stays on top, owned by it and centred on the screen; its logo animates;
the web and mail links reach the session's recorder through ShellExecute while the
window stays open; Escape closes it and the program goes on."""

import sys
import urllib.parse
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from winesession import WineSession  # noqa: E402  (puts tests/e2e on the path)
import aboutview as av  # noqa: E402
from harness import TITLE, E2EFailure, check, run_test, save_artifact, wait_until  # noqa: E402
from test_lifecycle import INI, ini  # noqa: E402


def main():
    exe = Path(sys.argv[1])
    with WineSession() as x:
        # On top, and lying where the About window will show.
        prog = x.start_program(exe, files={INI: ini(
            window_top_posn=250, window_left_posn=300, window_Width=700, window_Height=560,
            Always_on_Top_Option=1)})
        try:
            win = prog.wait_window(TITLE)
            wait_until(win.is_above, timeout=10, what="the main window to stay on top", describe=win.wm_state)
            x.park_pointer()

            about = av.open_about(win, prog)
            check(about.title() == av.ABOUT_TITLE, f"About window titled {about.title()!r}")
            check(tuple(about.client_geometry())[2:] == av.CLIENT_SIZE,
                  f"client area {about.client_geometry()}")
            av.check_above(x, about, win)
            av.check_centred(x, about)
            av.check_logo_animates(about)

            about.click(*av.WEB_LINK)
            wait_until(lambda: len(x.opened()) == 1, timeout=15, what="the web link at the recorder",
                       describe=x.opened)
            about.click(*av.MAIL_LINK)
            wait_until(lambda: len(x.opened()) == 2, timeout=15, what="the mail link at the recorder",
                       describe=x.opened)
            # Wine's shell opens "www." addresses as http links; its mailer gets them encoded.
            web, mail = (urllib.parse.unquote(link) for link in x.opened())
            check(web.rstrip("/") == f"http://{av.WEB_ADDRESS}", f"the web link reached the recorder as {web!r}")
            check(mail == f"mailto:{av.MAIL_ADDRESS}?subject=Shareware: {exe.name}", f"the mail link as {mail!r}")
            check(about.is_viewable(), "a link closed the About window")

            about.key("Escape")
            x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
            prog.check_running()
            # Opened again, it starts over: shown, centred, animating.
            about = av.open_about(win, prog)
            av.check_centred(x, about)
            av.check_logo_animates(about)
            about.key("Escape")
            x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
            prog.check_running()
        except E2EFailure:
            save_artifact(x.screenshot(), "last-screen")
            print(prog.output(), file=sys.stderr)
            raise
    return 0


if __name__ == "__main__":
    run_test(main)
