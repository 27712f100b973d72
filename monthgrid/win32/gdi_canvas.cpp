#include "monthgrid/win32/gdi_canvas.h"

#include <array>
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

// Two points per line; a month grid's lists fit on the stack.
class PolyLines {
public:
    explicit PolyLines(std::span<const Line> lines)
    {
        if (lines.size() > kOnStack) {
            spilled_points_.resize(2 * lines.size());
            spilled_counts_.resize(lines.size());
        }
        POINT* points = this->points();
        DWORD* counts = this->counts();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            points[2 * i] = POINT{lines[i].from.x, lines[i].from.y};
            points[2 * i + 1] = POINT{lines[i].to.x, lines[i].to.y};
            counts[i] = 2;
        }
        size_ = static_cast<DWORD>(lines.size());
    }
    void draw(HDC dc) { PolyPolyline(dc, points(), counts(), size_); }

private:
    static constexpr std::size_t kOnStack = 16;
    POINT* points() { return spilled_points_.empty() ? points_.data() : spilled_points_.data(); }
    DWORD* counts() { return spilled_counts_.empty() ? counts_.data() : spilled_counts_.data(); }

    std::array<POINT, 2 * kOnStack> points_{};
    std::array<DWORD, kOnStack> counts_{};
    std::vector<POINT> spilled_points_;
    std::vector<DWORD> spilled_counts_;
    DWORD size_ = 0;
};

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
    const GdiObject<HPEN> pen = line_pen(resolve(colour), width);
    const Selection selected(dc_, pen.get());
    PolyLines(lines).draw(dc_);
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
    UINT flags = 0;
    flags |= (sides & kEdgeLeft) ? BF_LEFT : 0;
    flags |= (sides & kEdgeTop) ? BF_TOP : 0;
    flags |= (sides & kEdgeRight) ? BF_RIGHT : 0;
    flags |= (sides & kEdgeBottom) ? BF_BOTTOM : 0;
    RECT r = to_rect(rect);
    DrawEdge(dc_, &r, BDR_RAISEDINNER, flags);
}

void GdiGridCanvas::focus_rect(const Rect& rect)
{
    const RECT r = to_rect(rect);
    DrawFocusRect(dc_, &r);
}

} // namespace orr::win32
