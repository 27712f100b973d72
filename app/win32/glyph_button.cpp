#include "app/win32/glyph_button.h"

#include <algorithm>

#include "core/win32/handles.h"

namespace {

constexpr int kGlyphTextGap = 4;

} // namespace

void paint_glyph_button(HDC target, const RECT& bounds, const ButtonLook& look)
{
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return;
    std::uint32_t* bits = nullptr;
    const orr::win32::MemoryDc memory(target);
    const orr::win32::GdiObject<HBITMAP> bitmap = orr::win32::dib_section(width, height, bits);
    if (!memory.get() || !bitmap || !bits)
        return;
    const orr::win32::Selection canvas(memory.get(), bitmap.get());
    HDC dc = memory.get();
    RECT face{0, 0, width, height};
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (look.pressed ? DFCS_PUSHED : 0));

    const int shift = look.pressed ? 1 : 0;
    SIZE text{0, 0};
    const orr::win32::Selection font(dc, look.font ? look.font : GetStockObject(DEFAULT_GUI_FONT));
    if (!look.caption.empty())
        GetTextExtentPoint32A(dc, look.caption.c_str(), static_cast<int>(look.caption.size()), &text);
    const int factor = std::max(1, look.glyph_factor);
    const int glyph_size = orr::kGlyphSize * factor;
    const int gap = kGlyphTextGap * factor;
    const int content = glyph_size + (look.caption.empty() ? 0 : gap + text.cx);
    const int glyph_left = (width - content) / 2 + shift;
    const int glyph_top = (height - glyph_size) / 2 + shift;

    if (!look.caption.empty()) {
        SetBkMode(dc, TRANSPARENT);
        const int x = glyph_left + glyph_size + gap;
        const int y = (height - text.cy) / 2 + shift;
        if (!look.enabled) {
            SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
            TextOutA(dc, x + 1, y + 1, look.caption.c_str(), static_cast<int>(look.caption.size()));
        }
        SetTextColor(dc, GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        TextOutA(dc, x, y, look.caption.c_str(), static_cast<int>(look.caption.size()));
    }
    if (look.focused) {
        RECT focus = face;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    GdiFlush();
    orr::put_glyph({bits, static_cast<std::size_t>(width) * height}, width, glyph_left, glyph_top,
                   look.enabled ? orr::glyph_pixels(look.glyph) : orr::disabled_glyph_pixels(look.glyph),
                   factor);
    BitBlt(target, bounds.left, bounds.top, width, height, dc, 0, 0, SRCCOPY);
}
