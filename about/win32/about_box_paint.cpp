// TAboutBox's graphic controls: the group boxes with what they hold, drawn back to
// front in one pass.
#include "about/win32/about_box.h"

using orr::about::Control;
using orr::about::Kind;

namespace {

COLORREF text_colour(orr::about::TextColour colour)
{
    switch (colour) {
    case orr::about::TextColour::Link: return orr::about::kLinkColour;
    case orr::about::TextColour::HighlightText: return GetSysColor(COLOR_HIGHLIGHTTEXT);
    default: return GetSysColor(COLOR_WINDOWTEXT);
    }
}

} // namespace

void TAboutBox::PaintScene(HDC dc) const
{
    const RECT client{0, 0, orr::about::kClientWidth, orr::about::kClientHeight};
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    // GroupBox2, made after GroupBox1, lies above it where they overlap.
    PaintGroup(dc, Control::GroupBox1);
    PaintGroup(dc, Control::GroupBox2);
}

void TAboutBox::PaintGroup(HDC dc, Control group) const
{
    const orr::about::Rect& box = State(group).bounds;
    const orr::win32::SavedDc saved(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    RECT frame{box.left, box.top, box.right, box.bottom};
    FillRect(dc, &frame, GetSysColorBrush(COLOR_BTNFACE));
    frame.top += frame_top_;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    for (Control control : Drawn(group))
        PaintItem(dc, control);
}

void TAboutBox::PaintItem(HDC dc, Control control) const
{
    const orr::about::ControlState& it = State(control);
    const orr::about::Design& design = *it.design;
    RECT bounds{it.bounds.left, it.bounds.top, it.bounds.right, it.bounds.bottom};
    switch (design.kind) {
    case Kind::Label:
    case Kind::LinkLabel: {
        if (!(design.style & orr::about::kTransparent))
            FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
        orr::win32::Selection font(dc, FontOf(control));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text_colour(design.colour));
        const UINT format = DT_NOPREFIX | ((design.style & orr::about::kWordWrap) ? DT_WORDBREAK : 0) |
                            ((design.style & orr::about::kCentred) ? DT_CENTER : DT_LEFT);
        DrawTextA(dc, it.caption.c_str(), -1, &bounds, format);
        break;
    }
    case Kind::Bevel: DrawEdge(dc, &bounds, BDR_RAISEDINNER, BF_RECT); break;
    case Kind::Picture: {
        const auto& picture = design.id == Control::Badge_Logo ? badge_ : banner_;
        if (!picture)
            break;
        orr::win32::MemoryDc source(dc);
        orr::win32::Selection selected(source.get(), picture.get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, bounds.left, bounds.top, design.width, design.height, source.get(), 0, 0, design.width,
                   design.height, blend);
        break;
    }
    default: break;
    }
}
