// Where a year page puts its heading and its months: the window's twelve labels and
// grids under the year, scaled as one to fill the printable area with their proportions
// kept, and centred in it.
#pragma once

#include <array>

#include "app/main_form_design.h"
#include "monthgrid/grid_geometry.h"

namespace orr::print {

inline constexpr int kMonths = 12;

struct YearPageLayout {
    Rect heading;
    mainform::Font heading_font;
    std::array<Rect, kMonths> labels; // month 1 first
    mainform::Font label_font;
    std::array<Rect, kMonths> grids;
    mainform::Font grid_font;
    int line_width = 1; // the grids' lines, one window pixel at the page's scale
};

YearPageLayout lay_out_year_page(const Rect& printable);

} // namespace orr::print
