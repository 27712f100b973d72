// TAboutBox's painting: the graphic controls, the group boxes with what they hold
// drawn back to front in one pass, and the owner-drawn OK button, painted into a memory
// bitmap and copied once, so nothing flickers.
#include "about/ok_glyph.h"
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

void TAboutBox::PaintOkButton(const DRAWITEMSTRUCT& item) const
{
    const RECT bounds = item.rcItem;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    // An owner-drawn button's item rectangle is its client area, from 0, 0.
    const orr::win32::BackBuffer buffer(item.hDC, {width, height}, bounds);
    const HDC memory = buffer.get();
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;

    // The default button's black frame around the face.
    RECT face{0, 0, width, height};
    FrameRect(memory, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&face, -1, -1);
    DrawFrameControl(memory, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const orr::about::OkFace layout = orr::about::ok_face(width, height, pressed);
    if (ok_glyph_) {
        orr::win32::MemoryDc source(item.hDC);
        orr::win32::Selection glyph(source.get(), ok_glyph_.get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(memory, layout.glyph.x, layout.glyph.y, orr::about::kOkGlyphSize, orr::about::kOkGlyphSize,
                   source.get(), 0, 0, orr::about::kOkGlyphSize, orr::about::kOkGlyphSize, blend);
    }
    char caption[32] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    orr::win32::Selection with_font(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, GetSysColor(COLOR_BTNTEXT));
    RECT rest{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
    DrawTextA(memory, caption, -1, &rest, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(memory, &focus);
    }
}
