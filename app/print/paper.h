// The sheets a year page is printed on without a printer to ask: their sizes, the
// orientation and the margin kept clear on every side, in device pixels at a resolution.
#pragma once

#include "monthgrid/grid_geometry.h"

namespace orr::print {

enum class PaperSize { A4, Letter };

struct PageSetup {
    PaperSize paper = PaperSize::A4;
    bool landscape = false;
};

inline constexpr int kPointsPerInch = 72;
// Half an inch: inside what every office printer can reach.
inline constexpr int kMarginPoints = 36;

// The sheet's size in points, turned for landscape.
Size page_points(const PageSetup& setup);
// The sheet in pixels at this resolution, and the part within the margins.
Size page_pixels(const PageSetup& setup, int pixels_per_inch);
Rect printable_area(const PageSetup& setup, int pixels_per_inch);

} // namespace orr::print
