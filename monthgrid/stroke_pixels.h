// The pixels of the platform's own strokes, for a canvas that fills them itself: a pen's
// level or upright line, the raised and sunken 3-D edges and the dotted focus rectangle,
// each where GDI puts it.
#pragma once

#include <optional>
#include <vector>

#include "monthgrid/grid_canvas.h"

namespace orr {

// The shades of a 3-D edge; each shell takes them from its palette.
enum class EdgeShade { Light, Midlight, Dark, Shadow };

// Listed in drawing order: where strips cross, the later one covers the corner.
struct EdgeStrip {
    Rect rect;
    EdgeShade shade;
    friend bool operator==(const EdgeStrip&, const EdgeStrip&) = default;
};

// What a pen `width` pixels wide covers of a level or upright line; nothing for a slanted one.
std::optional<Rect> line_pixels(const Line& line, int width);

// One pixel wide on the given sides (EdgeSide bits): dark at the right and bottom, light
// at the left and top.
std::vector<EdgeStrip> raised_inner_edge(const Rect& rect, unsigned sides);

// The sunken client edge drawn over a window's outer rectangle: an outer ring dark at
// the left and top, light at the right and bottom, and inside it a shadow and midlight
// ring. Nothing when the rectangle is too small for the outer ring.
std::vector<EdgeStrip> sunken_client_edge(const Rect& rect);

// Every other pixel of a rectangle's outline, the dotted focus rectangle's pattern.
std::vector<Point> focus_rect_dots(const Rect& rect);

} // namespace orr
