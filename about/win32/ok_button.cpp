#include "about/win32/ok_button.h"

#include <algorithm>

#include "about/ok_glyph.h"
#include "about/win32/wic_image.h"

OkButtonFace::OkButtonFace()
{
    void* bits = nullptr;
    glyph_ = orr::win32::premultiplied_bitmap(orr::about::kOkGlyphSize, orr::about::kOkGlyphSize, &bits);
    if (bits) {
        // Alpha is 0 or 255, so the pixels are premultiplied as they are.
        const orr::about::OkGlyph pixels = orr::about::ok_glyph();
        std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    }
}

void OkButtonFace::Paint(const DRAWITEMSTRUCT& item, bool is_default) const
{
    const RECT bounds = item.rcItem;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    orr::win32::MemoryDc memory(item.hDC);
    orr::win32::GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(item.hDC, width, height));
    orr::win32::Selection into(memory.get(), buffer.get());
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;

    RECT face{0, 0, width, height};
    if (is_default) {
        FrameRect(memory.get(), &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(memory.get(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const orr::about::OkFace layout = orr::about::ok_face(width, height, pressed);
    if (glyph_) {
        orr::win32::MemoryDc source(item.hDC);
        orr::win32::Selection glyph(source.get(), glyph_.get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(memory.get(), layout.glyph.x, layout.glyph.y, orr::about::kOkGlyphSize,
                   orr::about::kOkGlyphSize, source.get(), 0, 0, orr::about::kOkGlyphSize,
                   orr::about::kOkGlyphSize, blend);
    }
    char caption[32] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    orr::win32::Selection with_font(memory.get(), font);
    SetBkMode(memory.get(), TRANSPARENT);
    SetTextColor(memory.get(), GetSysColor(COLOR_BTNTEXT));
    RECT rest{layout.caption.left, layout.caption.top, layout.caption.right, layout.caption.bottom};
    DrawTextA(memory.get(), caption, -1, &rest, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(memory.get(), &focus);
    }
    BitBlt(item.hDC, bounds.left, bounds.top, width, height, memory.get(), 0, 0, SRCCOPY);
}
