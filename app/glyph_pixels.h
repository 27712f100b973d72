// The 16 x 16, 16-colour button glyphs as palette indices, with their greyed state;
// each shell turns them into its own images.
#pragma once

#include <array>
#include <cstdint>
#include <span>

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

// Writes a glyph's opaque pixels into 32-bit 0x00RRGGBB pixels, rows of `width` from the
// top, each glyph pixel a factor x factor square with its corner at left, top, so the art
// stays sharp on a dense screen; what falls outside is left out.
void put_glyph(std::span<std::uint32_t> bits, int width, int left, int top, const GlyphPixels& pixels,
               int factor);

} // namespace orr
