"""Help > About over a main window that stays on top: the About window opens above
it, owned by it, centred on the screen at every showing, with its title and client
size; its logo animates; the web and mail links and the logo reach the session's
recorder while the window stays open; Escape closes it and the program goes on."""

import aboutview as av
from harness import TITLE, check, wait_until
from test_lifecycle import INI, ini


def about_window(x, exe):
    # On top, and lying where the About window will show.
    prog = x.start_program(exe, files={INI: ini(
        window_top_posn=250, window_left_posn=300, window_Width=700, window_Height=560,
        Always_on_Top_Option=1)})
    win = prog.wait_window(TITLE)
    wait_until(win.is_above, timeout=10, what="the main window to stay on top", describe=win.wm_state)
    x.park_pointer()

    about = av.open_about(win, prog)
    check(about.title() == av.ABOUT_TITLE, f"About window titled {about.title()!r}")
    check(tuple(about.client_geometry())[2:] == av.CLIENT_SIZE, f"client area {about.client_geometry()}")
    av.check_above(x, about, win)
    av.check_centred(x, about)
    av.check_logo_animates(about)

    # The logo is a link too, and lets the mouse through to the window on Windows.
    logo = (av.LOGO[0] + 20, av.LOGO[1] + 30)
    for n, link in enumerate((av.WEB_LINK, av.MAIL_LINK, logo), 1):
        about.click(*link)
        wait_until(lambda: len(x.links()) == n, timeout=15, what=f"link {n} at the recorder",
                   describe=x.links)
    web, mail, from_logo = x.links()
    check(web == f"http://{av.WEB_ADDRESS}", f"the web link reached the recorder as {web!r}")
    check(mail == f"mailto:{av.MAIL_ADDRESS}?subject=Shareware: {exe.name}", f"the mail link as {mail!r}")
    check(from_logo == web, f"the logo's link as {from_logo!r}")
    check(about.is_viewable(), "a link closed the About window")

    # Moved away, it is centred again at the next showing, and starts over.
    about.move(10, 10)
    wait_until(lambda: about.outer_geometry().x < 100, timeout=5, what="the About window to move",
               describe=about.outer_geometry)
    about.key("Escape")
    x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
    prog.check_running()
    about = av.open_about(win, prog)
    av.check_centred(x, about)
    av.check_above(x, about, win)
    av.check_logo_animates(about)
    about.key("Escape")
    x.wait_no_window(av.ABOUT_TITLE, pid=prog.pid)
    prog.check_running()
    win.close()
    check(prog.wait_exit() == 0, "the program did not end cleanly")


SCENARIOS = (about_window,)
