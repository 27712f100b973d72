#include "app/win32/glyph_button.h"

#include <algorithm>

#include "core/win32/handles.h"

namespace {

constexpr int kGlyphTextGap = 4;

// Writes the glyph's opaque pixels straight into a 32-bit top-down bitmap, each as a
// factor x factor square, so the art stays sharp on a dense screen.
void put_glyph(std::uint32_t* bits, int width, int height, int left, int top, const orr::GlyphPixels& pixels,
               int factor)
{
    const int size = orr::kGlyphSize * factor;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t index = pixels[y / factor][x / factor];
            const int px = left + x;
            const int py = top + y;
            if (index == orr::kTransparentIndex || px < 0 || py < 0 || px >= width || py >= height)
                continue;
            bits[py * width + px] = orr::kGlyphPalette[index]; // 0x00RRGGBB is the DIB's own order
        }
    }
}

// A 32-bit top-down bitmap whose pixels this code can write directly.
HBITMAP make_bitmap(HDC compatible, int width, int height, std::uint32_t*& bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

} // namespace

void paint_glyph_button(HDC target, const RECT& bounds, const ButtonLook& look)
{
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0)
        return;
    std::uint32_t* bits = nullptr;
    const orr::win32::MemoryDc memory(target);
    const orr::win32::GdiObject<HBITMAP> bitmap(make_bitmap(target, width, height, bits));
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
    put_glyph(bits, width, height, glyph_left, glyph_top,
              look.enabled ? orr::glyph_pixels(look.glyph) : orr::disabled_glyph_pixels(look.glyph), factor);
    BitBlt(target, bounds.left, bounds.top, width, height, dc, 0, 0, SRCCOPY);
}
