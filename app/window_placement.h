// Where a stored outer window placement lands on the screens at hand.
#pragma once

#include <vector>

namespace orr {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool intersects(const Bounds& other) const
    {
        return width > 0 && height > 0 && other.width > 0 && other.height > 0 && left < other.left + other.width &&
               other.left < left + width && top < other.top + other.height && other.top < top + height;
    }
    bool operator==(const Bounds&) const = default;
};

struct Screens {
    std::vector<Bounds> screens;
    Bounds primary_work_area;
    int minimum_width = 0;  // the window's smallest outer size
    int minimum_height = 0;
};

// Offset from the primary screen's corner for a window that lay on no screen.
inline constexpr int kRecoveredOffset = 20;

// The placement as stored, raised to the minimum where smaller; a placement that lies
// wholly outside every screen (a monitor that is gone) moves onto the primary work area
// at the default offset from its corner, keeping its size.
Bounds place_window(Bounds outer, const Screens& layout);

} // namespace orr
