// Paints a grid base through a canvas, in the platform's order: lines, cells with
// their content, heading edges and the focus rectangle, then the strips left over
// at the right and bottom.
#pragma once

#include <span>

#include "monthgrid/grid_geometry.h"

namespace orr {

class GridBase;
class GridCanvas;

// region: the client rectangles that need repainting; other cells are skipped.
void paint_grid(const GridBase& grid, GridCanvas& canvas, std::span<const Rect> region);

} // namespace orr
