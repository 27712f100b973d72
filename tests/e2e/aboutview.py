"""The About window as both programs show it: its title, where its logo, banner and
links lie in its client area, and readers for what it shows. Shared by the Linux
end-to-end tests and those of orrindale.exe under Wine."""

import re
import sys
import time
from collections import Counter
from pathlib import Path

from harness import E2EFailure, check, wait_until

ABOUT_TITLE = "About Orrindale v1.0 ..."
CLIENT_SIZE = (591, 354)
# GroupBox1 lies at (0, 52); the controls' bounds are within it.
_GROUP = (0, 52)
LOGO = (_GROUP[0] + 12, _GROUP[1] + 16, 173, 165)
# The banner shows above GroupBox1's frame.
BANNER = (2, 2, 580, 45)
# A point on each link once it sits on the row of its lead-in label.
MAIL_LINK = (_GROUP[0] + 424 + 8, _GROUP[1] + 160 + 9)
WEB_LINK = (_GROUP[0] + 424 + 8, _GROUP[1] + 189 + 9)
WEB_ADDRESS = "www.orrindale.example"
MAIL_ADDRESS = "ask@orrindale.example"


def open_about(win, program, attempts=3):
    """Help > About from the keyboard; returns the About window. A key that a window
    just coming up misses is given again, after Escape closes any menu left open."""
    for attempt in range(attempts):
        win.key("alt+h")
        win.session.key("a")
        try:
            return program.wait_window(ABOUT_TITLE, timeout=10)
        except E2EFailure:
            if attempt == attempts - 1:
                raise
            print(f"open_about: no About window after attempt {attempt + 1}", file=sys.stderr)
            win.session.key("Escape")


def is_bluish(p):
    r, g, b = p
    return b > r + 40 and b > 60


def banner_shows(about):
    """True when the banner (deep blue) is what is seen in the window's top band,
    not another window lying over it."""
    shot = about.screenshot()
    x, y, w, h = BANNER
    return shot.count(x, y, w, h, is_bluish) > w * h // 2


def logo_pixels(about):
    return about.screenshot().crop(*LOGO).data


def check_logo_animates(about, gap=0.25, tries=4):
    """Two shots `gap` seconds apart differ in the logo (a frame lasts 100 ms, the
    first one twice as long); a few tries allow for a slow screenshot."""
    for _ in range(tries):
        before = logo_pixels(about)
        time.sleep(gap)
        if logo_pixels(about) != before:
            return
    raise E2EFailure("the logo did not change between screenshots 250 ms apart")


def damaged_logo_copy(exe, folder):
    """A copy of the program in folder whose built-in logo GIF keeps its header and
    palette but has its frames overwritten, as a bad copy would leave it."""
    data = Path(exe).read_bytes()
    logo = (Path(__file__).resolve().parents[2] / "assets" / "logo.gif").read_bytes()
    at = data.find(logo)
    check(at >= 0 and data.find(logo, at + 1) < 0, f"the logo is not stored once, as is, in {exe}")
    kept = 13 + 3 * 16  # header, screen descriptor and the 16-colour palette
    copy = Path(folder) / Path(exe).name
    copy.write_bytes(data[:at + kept] + bytes([0xA5]) * (len(logo) - kept) + data[at + len(logo):])
    copy.chmod(0o755)
    return copy


def check_logo_empty_and_still(about, program):
    """The logo's place shows what lies beneath it (one colour, but for the edge of the
    frame around it) and no change in the time of five frames; the program still runs."""
    first = logo_pixels(about)
    colours = Counter(first[i:i + 3] for i in range(0, len(first), 3))
    check(colours.most_common(1)[0][1] >= 0.97 * LOGO[2] * LOGO[3],
          f"the damaged logo shows pixels: {colours.most_common(4)}")
    time.sleep(0.5)
    program.check_running()
    check(logo_pixels(about) == first, "the damaged logo moves")


def check_centred(session, about, tolerance=1):
    """The window, frame included, is centred on the screen."""
    sw, sh = session.size

    def offset():
        o = about.outer_geometry()
        return (o.x + o.w / 2 - sw / 2, o.y + o.h / 2 - sh / 2)
    wait_until(lambda: all(abs(d) <= tolerance for d in offset()), timeout=5,
               what="the About window to be centred on the screen", describe=offset)


def stacking(session):
    """Managed top-level windows, bottom to top."""
    out = session.run("xprop", "-root", "_NET_CLIENT_LIST_STACKING")
    return [int(v, 16) for v in re.findall(r"0x[0-9a-fA-F]+", out)]


def check_above(session, about, owner):
    order = stacking(session)
    check(about.id in order and owner.id in order, f"windows missing from the stacking list {order}")
    check(order.index(about.id) > order.index(owner.id), "the About window lies beneath the main window")
    check(about.transient_for() == owner.id, "the About window is not owned by the main window")
    wait_until(lambda: banner_shows(about), timeout=5, what="the About window's banner to show on top")
