"""Message boxes as the user meets them: the box's own look, taken while it lies
on top of everything, then found again on the screen where it stands; whether
it belongs to the main window and lies above it; whether it is centred on the
screen. Shared by the Linux end-to-end tests and those of orrindale.exe under
Wine."""

from harness import check, wait_until

# Share of a box's pixels that must look as in its reference: a few glyphs may
# differ (a path in the text), a window lying over the box covers far more.
SAME_LOOK = 0.98


def _topmost(session, box):
    order = session.stacking()
    return bool(order) and order[-1] == box.id


def reference(session, box):
    """The box's own look (its client area on the screen), taken while the window
    manager keeps it above every other window and once it has stopped changing."""
    wait_until(lambda: _topmost(session, box), timeout=5, what="the box on top of every window",
               describe=session.stacking)
    last = [None]

    def settled():
        shot = box.screenshot()
        before, last[0] = last[0], shot
        painted = len(shot.colours(0, 0, shot.width, shot.height)) >= 3
        return shot if painted and before is not None and before.data == shot.data else None
    return wait_until(settled, timeout=5, interval=0.2, what="the box to be painted")


def check_shown(box, look, what="the box"):
    """What the screen shows at the box's place is the box itself, not a window
    lying over it."""
    wait_until(lambda: box.is_viewable() and box.screenshot().same_share(look) >= SAME_LOOK,
               timeout=5, interval=0.2, what=f"{what} to show on the screen",
               describe=lambda: f"{box.screenshot().same_share(look):.0%} of its pixels as it looks")


def check_owned_above(session, box, owner, what="the box"):
    """The box is a dialog of owner (WM_TRANSIENT_FOR) and the window manager
    stacks it above owner."""
    check(box.transient_for() == owner.id,
          f"{what} is transient for {box.transient_for()}, not for the main window {owner.id:#x}")
    order = session.stacking()
    check(box.id in order and owner.id in order, f"windows missing from the stacking list {order}")
    check(order.index(box.id) > order.index(owner.id), f"{what} lies beneath the main window")


def centre_offset(session, box):
    """How far the centre of the box, frame included, lies from the screen's centre."""
    o = box.outer_geometry()
    sw, sh = session.size
    return (o.x + o.w / 2 - sw / 2, o.y + o.h / 2 - sh / 2)


def check_centred(session, box, what="the box", tolerance=2):
    wait_until(lambda: all(abs(d) <= tolerance for d in centre_offset(session, box)), timeout=5,
               what=f"{what} centred on the screen (frame included)",
               describe=lambda: f"{box.outer_geometry()}, centre off by {centre_offset(session, box)}")
