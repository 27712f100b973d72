// The standard OK button's glyph, a green tick of 16 x 16 pixels, and where the
// button's face puts it and the caption.
#pragma once

#include <array>
#include <cstdint>

#include "about/about_layout.h"

namespace orr::about {

inline constexpr int kOkGlyphSize = 16;

// Rows top to bottom as 0xAARRGGBB; alpha is 0 (transparent) or 255.
using OkGlyph = std::array<std::uint32_t, kOkGlyphSize * kOkGlyphSize>;
OkGlyph ok_glyph();

// The glyph kGlyphInset from the left edge and centred top to bottom, the caption
// centred in the rest; pressed, both move down and to the right by a pixel, as a push
// button's face does.
struct OkFace {
    Point glyph;
    Rect caption;
};
OkFace ok_face(int width, int height, bool pressed);

} // namespace orr::about
