// The grid canvas over a GDI device context: system colours from GetSysColor, a
// line list in one PolyPolyline, text with ExtTextOutA, edges with DrawEdge.
#pragma once

#include <windows.h>

#include "core/win32/handles.h"
#include "monthgrid/grid_canvas.h"

namespace orr::win32 {

// Draws into a DC whose font the caller has selected.
class GdiGridCanvas final : public GridCanvas {
public:
    explicit GdiGridCanvas(HDC dc);

    std::uint32_t resolve(Colour colour) const override;
    void set_brush(Colour colour) override;
    void set_text_colour(Colour colour) override;
    void fill_rect(const Rect& rect) override;
    void draw_lines(std::span<const Line> lines, Colour colour, int width) override;
    Size text_extent(std::string_view text) override;
    void text_rect(const Rect& clip, Point at, std::string_view text) override;
    void raised_inner_edge(const Rect& rect, unsigned sides) override;
    void focus_rect(const Rect& rect) override;

private:
    HDC dc_;
    COLORREF brush_colour_ = 0;
    GdiObject<HBRUSH> brush_;
};

} // namespace orr::win32
