#include "app/window_placement.h"

#include <algorithm>

namespace orr {
namespace {

long long overlap(const Bounds& a, const Bounds& b)
{
    // Stored sizes may be anything up to INT_MAX: the ends are summed in 64 bits.
    const long long width = std::min(0LL + a.left + a.width, 0LL + b.left + b.width) -
                            std::max(a.left, b.left);
    const long long height = std::min(0LL + a.top + a.height, 0LL + b.top + b.height) -
                             std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The screen holding most of the window; nullptr when it lies on none.
const Screen* home_screen(const Bounds& outer, const Screens& layout)
{
    const Screen* home = nullptr;
    long long most = 0;
    for (const Screen& screen : layout.screens) {
        const long long shared = overlap(outer, screen.area);
        if (shared > most) {
            most = shared;
            home = &screen;
        }
    }
    return home;
}

// Like std::clamp, but a range that is empty gives its low end.
int fit(int value, int low, int high) { return std::max(low, std::min(value, high)); }

} // namespace

Bounds place_window(Bounds outer, const Screens& layout)
{
    outer.width = std::max(outer.width, layout.minimum_width);
    outer.height = std::max(outer.height, layout.minimum_height);
    if (layout.screens.empty())
        return outer;
    const Screen* home = home_screen(outer, layout);
    if (!home) {
        home = &layout.screens.front();
        outer.left = home->work_area.left + kRecoveredOffset;
        outer.top = home->work_area.top + kRecoveredOffset;
    }
    const Bounds& work = home->work_area;
    outer.width = std::min(outer.width, std::max(work.width, layout.minimum_width));
    const int height = std::min(outer.height, std::max(work.height, layout.minimum_height));
    // Cut down to the work area, the frame goes wholly inside it; otherwise its title bar does.
    const int lowest_top = height < outer.height ? work.height - height
                                                 : work.height - std::max(layout.title_height, 1);
    outer.height = height;
    outer.left = fit(outer.left, work.left, work.left + work.width - outer.width);
    outer.top = fit(outer.top, work.top, work.top + lowest_top);
    return outer;
}

} // namespace orr
