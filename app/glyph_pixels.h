// The 16 x 16, 16-colour button glyphs as palette indices, with their greyed state;
// each shell turns them into its own images.
#pragma once

#include <array>
#include <cstdint>

namespace orr {

enum class Glyph { LeftArrow, RightArrow, CalendarPage, Door };

inline constexpr int kGlyphSize = 16;
inline constexpr int kGlyphColours = 16;

// The standard VGA colours as 0xRRGGBB; the transparent key is fuchsia.
extern const std::array<std::uint32_t, kGlyphColours> kGlyphPalette;
inline constexpr int kTransparentIndex = 13;

using GlyphPixels = std::array<std::array<std::uint8_t, kGlyphSize>, kGlyphSize>; // [y][x]

GlyphPixels glyph_pixels(Glyph glyph);
// Greyed the usual way: dark pixels in grey over a white copy one pixel down and to the
// right, light pixels dropped.
GlyphPixels disabled_glyph_pixels(Glyph glyph);

} // namespace orr
