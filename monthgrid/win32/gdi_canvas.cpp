#include "monthgrid/win32/gdi_canvas.h"

#include <vector>

namespace orr::win32 {
namespace {

RECT to_rect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

int sys_colour_index(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Window: return COLOR_WINDOW;
    case SystemColour::WindowText: return COLOR_WINDOWTEXT;
    case SystemColour::BtnFace: return COLOR_BTNFACE;
    case SystemColour::Highlight: return COLOR_HIGHLIGHT;
    case SystemColour::HighlightText: return COLOR_HIGHLIGHTTEXT;
    }
    return COLOR_WINDOW;
}

GdiObject<HPEN> line_pen(COLORREF colour, int width)
{
    if (width <= 1)
        return GdiObject<HPEN>(CreatePen(PS_SOLID, 1, colour));
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return GdiObject<HPEN>(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                                        static_cast<DWORD>(width), &brush, 0, nullptr));
}

// The edge sides are the DrawEdge flags.
static_assert(kEdgeLeft == BF_LEFT && kEdgeTop == BF_TOP && kEdgeRight == BF_RIGHT &&
              kEdgeBottom == BF_BOTTOM);

} // namespace

GdiGridCanvas::GdiGridCanvas(HDC dc) : dc_(dc) {}

std::uint32_t GdiGridCanvas::resolve(Colour colour) const
{
    return colour.is_system() ? GetSysColor(sys_colour_index(colour.system_colour())) : colour.bgr();
}

void GdiGridCanvas::set_brush(Colour colour)
{
    const COLORREF wanted = resolve(colour);
    if (brush_ && wanted == brush_colour_)
        return;
    brush_ = GdiObject<HBRUSH>(CreateSolidBrush(wanted));
    brush_colour_ = wanted;
}

void GdiGridCanvas::set_text_colour(Colour colour) { SetTextColor(dc_, resolve(colour)); }

void GdiGridCanvas::fill_rect(const Rect& rect)
{
    const RECT r = to_rect(rect);
    FillRect(dc_, &r, brush_.get());
}

void GdiGridCanvas::draw_lines(std::span<const Line> lines, Colour colour, int width)
{
    std::vector<POINT> points;
    for (const Line& line : lines) {
        points.push_back({line.from.x, line.from.y});
        points.push_back({line.to.x, line.to.y});
    }
    const std::vector<DWORD> counts(lines.size(), 2);
    const GdiObject<HPEN> pen = line_pen(resolve(colour), width);
    const Selection selected(dc_, pen.get());
    PolyPolyline(dc_, points.data(), counts.data(), static_cast<DWORD>(counts.size()));
}

Size GdiGridCanvas::text_extent(std::string_view text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void GdiGridCanvas::text_rect(const Rect& clip, Point at, std::string_view text)
{
    const RECT r = to_rect(clip);
    SetBkColor(dc_, brush_colour_);
    ExtTextOutA(dc_, at.x, at.y, ETO_CLIPPED | ETO_OPAQUE, &r, text.data(), static_cast<UINT>(text.size()),
                nullptr);
}

void GdiGridCanvas::raised_inner_edge(const Rect& rect, unsigned sides)
{
    RECT r = to_rect(rect);
    DrawEdge(dc_, &r, BDR_RAISEDINNER, sides);
}

void GdiGridCanvas::focus_rect(const Rect& rect)
{
    const RECT r = to_rect(rect);
    DrawFocusRect(dc_, &r);
}

} // namespace orr::win32
