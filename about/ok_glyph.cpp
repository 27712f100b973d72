#include "about/ok_glyph.h"

namespace orr::about {
namespace {

// '.' transparent, 'k' dark green outline, 'g' green, 'G' light green highlight.
constexpr std::array<const char*, kOkGlyphSize> kRows{
    "................", "................", "................", "............kk..",
    "...........kGgk.", "..........kGgk..", "...kk....kGgk...", "..kGgk..kGgk....",
    "...kGgkkGgk.....", "....kGggGk......", ".....kGgk.......", "......kk........",
    "................", "................", "................", "................"};

constexpr std::uint32_t kClear = 0x00000000;
constexpr std::uint32_t kOutline = 0xFF005000;
constexpr std::uint32_t kGreen = 0xFF008000;
constexpr std::uint32_t kHighlight = 0xFF00C000;

} // namespace

OkGlyph ok_glyph()
{
    OkGlyph pixels{};
    for (int y = 0; y < kOkGlyphSize; ++y) {
        for (int x = 0; x < kOkGlyphSize; ++x) {
            std::uint32_t colour = kClear;
            switch (kRows[y][x]) {
            case 'k': colour = kOutline; break;
            case 'g': colour = kGreen; break;
            case 'G': colour = kHighlight; break;
            }
            pixels[y * kOkGlyphSize + x] = colour;
        }
    }
    return pixels;
}

OkFace ok_face(int width, int height, bool pressed)
{
    const int shift = pressed ? 1 : 0;
    const int rest = kGlyphInset + kOkGlyphSize;
    return {{kGlyphInset + shift, (height - kOkGlyphSize) / 2 + shift},
            {rest + shift, shift, width + shift, height + shift}};
}

} // namespace orr::about
