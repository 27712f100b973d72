// TAboutBox's graphic controls: the group boxes with what they hold, drawn back to
// front in one pass, and the control a point of the window falls on.
#include "about/win32/about_box.h"

using orr::about::Control;
using orr::about::Kind;

namespace {

constexpr COLORREF kLinkColour = orr::about::kLinkColour;

COLORREF text_colour(orr::about::TextColour colour)
{
    switch (colour) {
    case orr::about::TextColour::Link: return kLinkColour;
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
    const Item& box = item(group);
    const orr::win32::SavedDc saved(dc);
    IntersectClipRect(dc, box.bounds.left, box.bounds.top, box.bounds.right, box.bounds.bottom);
    FillRect(dc, &box.bounds, GetSysColorBrush(COLOR_BTNFACE));
    RECT frame = box.bounds;
    frame.top += frame_top_;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    if (group == Control::GroupBox1) {
        for (Control control : order_)
            PaintItem(dc, item(control));
        return;
    }
    for (const Item& it : items_) {
        if (it.design->parent == orr::about::Parent::GroupBox2)
            PaintItem(dc, it);
    }
}

void TAboutBox::PaintItem(HDC dc, const Item& it) const
{
    if (!it.visible || it.window)
        return;
    const orr::about::Design& design = *it.design;
    RECT bounds = it.bounds;
    switch (design.kind) {
    case Kind::Label:
    case Kind::LinkLabel: {
        if (!(design.style & orr::about::kTransparent))
            FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
        orr::win32::Selection font(dc, it.font.get());
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

std::optional<Control> TAboutBox::ControlAt(LPARAM point) const
{
    const Item* hit = GraphicAt({static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))});
    return hit ? std::optional(hit->design->id) : std::nullopt;
}

const TAboutBox::Item* TAboutBox::GraphicAt(POINT point) const
{
    auto hits = [&](const Item& it) { return it.visible && !it.window && PtInRect(&it.bounds, point); };
    if (PtInRect(&item(Control::GroupBox2).bounds, point)) {
        for (const Item& it : items_) {
            if (it.design->parent == orr::about::Parent::GroupBox2 && hits(it))
                return &it;
        }
        return nullptr;
    }
    if (!PtInRect(&item(Control::GroupBox1).bounds, point))
        return nullptr;
    for (auto control = order_.rbegin(); control != order_.rend(); ++control) {
        if (hits(item(*control)))
            return &item(*control);
    }
    return nullptr;
}
