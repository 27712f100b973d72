// The standard OK button's glyph, a green tick of 16 x 16 pixels, which each shell
// draws 2 pixels from the button's left edge.
#pragma once

#include <array>
#include <cstdint>

namespace orr::about {

inline constexpr int kOkGlyphSize = 16;

// Rows top to bottom as 0xAARRGGBB; alpha is 0 (transparent) or 255.
using OkGlyph = std::array<std::uint32_t, kOkGlyphSize * kOkGlyphSize>;
OkGlyph ok_glyph();

} // namespace orr::about
