// A picture file (PNG, BMP) decoded with the Windows Imaging Component and scaled
// smoothly to the size it is drawn at, as a premultiplied 32-bit DIB for AlphaBlend.
#pragma once

#include <windows.h>
#include <cstdint>
#include <span>

#include "core/win32/handles.h"

namespace orr::win32 {

// Empty when the data cannot be decoded.
GdiObject<HBITMAP> scaled_image(std::span<const std::uint8_t> data, int width, int height);

} // namespace orr::win32
