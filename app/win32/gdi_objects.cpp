#include "app/win32/gdi_objects.h"

MemoryBitmap::MemoryBitmap(HDC compatible, int width, int height) : width_(width), height_(height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(compatible);
    bitmap_ = CreateDIBSection(compatible, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bits_ = static_cast<std::uint32_t*>(bits);
    if (dc_ && bitmap_)
        previous_ = SelectObject(dc_, bitmap_);
}

MemoryBitmap::~MemoryBitmap()
{
    if (previous_)
        SelectObject(dc_, previous_);
    if (bitmap_)
        DeleteObject(bitmap_);
    if (dc_)
        DeleteDC(dc_);
}

void MemoryBitmap::CopyTo(HDC target, int left, int top) const
{
    BitBlt(target, left, top, width_, height_, dc_, 0, 0, SRCCOPY);
}
