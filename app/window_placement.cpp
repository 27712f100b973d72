#include "app/window_placement.h"

#include <algorithm>

namespace orr {

Bounds place_window(Bounds outer, const Screens& layout)
{
    outer.width = std::max(outer.width, layout.minimum_width);
    outer.height = std::max(outer.height, layout.minimum_height);
    const bool on_a_screen = std::any_of(layout.screens.begin(), layout.screens.end(),
                                         [&](const Bounds& screen) { return screen.intersects(outer); });
    if (!on_a_screen && !layout.screens.empty()) {
        outer.left = layout.primary_work_area.left + kRecoveredOffset;
        outer.top = layout.primary_work_area.top + kRecoveredOffset;
    }
    return outer;
}

} // namespace orr
