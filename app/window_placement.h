// Where a stored outer window placement lands on the screens at hand.
#pragma once

#include <vector>

namespace orr {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const Bounds&) const = default;
};

struct Screen {
    Bounds area;
    Bounds work_area; // without the panels and taskbars
};

struct Screens {
    std::vector<Screen> screens; // the primary first
    int minimum_width = 0;       // the window's smallest outer size
    int minimum_height = 0;
    int title_height = 0; // the frame's top edge, which holds the title bar
};

// Offset from the primary work area's corner for a window that lay on no screen.
inline constexpr int kRecoveredOffset = 20;

// Where a stored placement goes: raised to the minimum size; moved onto the primary
// work area at the default offset when it lies on no screen (a monitor that is gone);
// then never larger than the work area of the screen it lands on, with its title bar
// inside that work area so that it can always be moved, and the whole frame inside it
// when it had to be cut down to fit. Values within those limits stay as stored.
Bounds place_window(Bounds outer, const Screens& layout);

} // namespace orr
