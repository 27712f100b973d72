// The little a grid needs from a platform to draw itself. The Qt shell puts
// it over QPainter, the Win32 shell over a GDI device context.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "monthgrid/colour.h"
#include "monthgrid/grid_geometry.h"

namespace orr {

// A pen stroke from `from` up to, not including, `to`, as GDI draws lines.
struct Line {
    Point from;
    Point to;
    friend bool operator==(const Line&, const Line&) = default;
};

enum EdgeSide : unsigned {
    kEdgeLeft = 0x1,
    kEdgeTop = 0x2,
    kEdgeRight = 0x4,
    kEdgeBottom = 0x8,
};

class GridCanvas {
public:
    virtual ~GridCanvas() = default;

    // The 0x00BBGGRR value a colour has on this platform now.
    virtual std::uint32_t resolve(Colour colour) const = 0;

    // The brush fills rectangles and lies under text; the text colour draws text.
    virtual void set_brush(Colour colour) = 0;
    virtual void set_text_colour(Colour colour) = 0;
    virtual void fill_rect(const Rect& rect) = 0;

    // One multi-line call. Lines wider than one pixel have flat ends and mitred joins.
    virtual void draw_lines(std::span<const Line> lines, Colour colour, int width) = 0;

    // Extent of a text in the canvas font.
    virtual Size text_extent(std::string_view text) = 0;
    // Fills `clip` in the brush, then draws the text at `at`, cut off at `clip`.
    virtual void text_rect(const Rect& clip, Point at, std::string_view text) = 0;

    // The platform's raised inner 3-D edge on the given sides (EdgeSide bits).
    virtual void raised_inner_edge(const Rect& rect, unsigned sides) = 0;
    // The platform's dotted focus rectangle; drawn by inverting, so twice removes it.
    virtual void focus_rect(const Rect& rect) = 0;
};

} // namespace orr
