// What a shell hands the year page to draw on: a printer's page (or a PDF's), on which
// each part is drawn through the grid canvas of its toolkit.
#pragma once

#include <functional>

#include "app/main_form_design.h"
#include "monthgrid/grid_canvas.h"

namespace orr::print {

class PageCanvas {
public:
    virtual ~PageCanvas() = default;
    // Runs draw over a canvas in this font whose origin is the area's corner, clipped to it.
    virtual void draw_in(const Rect& area, const mainform::Font& font,
                         const std::function<void(GridCanvas&)>& draw) = 0;
};

} // namespace orr::print
