// Keeps a stored window placement reachable: on a screen and at least the minimum size.
#include "app/window_placement.h"

#include <algorithm>

namespace orr::window {

QRect place_window(QRect outer, const QList<QRect>& screens, const QRect& primary, QSize minimum)
{
    outer.setSize(outer.size().expandedTo(minimum));
    const bool on_a_screen =
        std::any_of(screens.begin(), screens.end(), [&](const QRect& screen) { return screen.intersects(outer); });
    if (!on_a_screen && !screens.isEmpty())
        outer.moveTopLeft(primary.topLeft() + QPoint(kRecoveredOffset, kRecoveredOffset));
    return outer;
}

} // namespace orr::window
