#include "app/glyph_pixels.h"

namespace orr {
namespace {

// One letter a pixel. Lower case are the dark VGA colours, upper case the bright
// ones; 'M' (fuchsia) is the transparent key.
using Rows = std::array<const char*, kGlyphSize>;

constexpr Rows kLeftArrow{"MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMkMMMMMM",
                          "MMMMMMMMkkMMMMMM", "MMMMMMMkkkMMMMMM", "MMMMMMkkkkMMMMMM", "MMMMMkkkkkMMMMMM",
                          "MMMMMMkkkkMMMMMM", "MMMMMMMkkkMMMMMM", "MMMMMMMMkkMMMMMM", "MMMMMMMMMkMMMMMM",
                          "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM"};

constexpr Rows kCalendarPage{"MMMMMMMMMMMMMMMM", "MMMkMMMMMMMMkMMM", "MkkkkkkkkkkkkkkM", "MkRRRRRRRRRRRRkM",
                             "MkRRRRRRRRRRRRkM", "MkkkkkkkkkkkkkkM", "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwdwwkM",
                             "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwBwwkM", "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwdwwkM",
                             "MkwwwwwwwwwwwwkM", "MkwdwdwdwwwwwwkM", "MkkkkkkkkkkkkkkM", "MMMMMMMMMMMMMMMM"};

constexpr Rows kDoor{"MMMMMMMMMMMMMMMM", "MMMkkkkkkkkkkMMM", "MMMkdddddddddkMM", "MMMkdrrrrrrrdkMM",
                     "MMMkdryyyyyrdkMM", "MMMkdryrrryrdkMM", "MMMkdryyyyyrdkMM", "MMMkdrrrrrrrdkMM",
                     "MMMkdrrrrrYYdkMM", "MMMkdrrrrrYYdkMM", "MMMkdryyyyyrdkMM", "MMMkdryrrryrdkMM",
                     "MMMkdryyyyyrdkMM", "MMMkdrrrrrrrdkMM", "MMkkkkkkkkkkkkkM", "MMMMMMMMMMMMMMMM"};

constexpr std::array<char, kGlyphColours> kKeys{'k', 'r', 'g', 'y', 'b', 'm', 'c', 's',
                                                'd', 'R', 'G', 'Y', 'B', 'M', 'C', 'w'};
constexpr std::uint8_t kGrey = 8;   // 'd'
constexpr std::uint8_t kWhite = 15; // 'w'

std::uint8_t index_of(char key)
{
    for (std::uint8_t i = 0; i < kKeys.size(); ++i) {
        if (kKeys[i] == key)
            return i;
    }
    return kTransparentIndex;
}

const Rows& rows_of(Glyph glyph)
{
    switch (glyph) {
    case Glyph::LeftArrow:
    case Glyph::RightArrow: return kLeftArrow;
    case Glyph::CalendarPage: return kCalendarPage;
    case Glyph::Door: return kDoor;
    }
    return kLeftArrow;
}

GlyphPixels blank()
{
    GlyphPixels pixels;
    for (auto& row : pixels)
        row.fill(kTransparentIndex);
    return pixels;
}

bool is_dark(std::uint8_t index)
{
    if (index == kTransparentIndex)
        return false;
    const std::uint32_t rgb = kGlyphPalette[index];
    const int grey = (((rgb >> 16) & 0xFF) * 11 + ((rgb >> 8) & 0xFF) * 16 + (rgb & 0xFF) * 5) / 32;
    return grey < 0xC0;
}

} // namespace

const std::array<std::uint32_t, kGlyphColours> kGlyphPalette{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

GlyphPixels glyph_pixels(Glyph glyph)
{
    GlyphPixels pixels = blank();
    const Rows& rows = rows_of(glyph);
    const bool mirrored = glyph == Glyph::RightArrow; // the left arrowhead, mirrored
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x)
            pixels[y][mirrored ? kGlyphSize - 1 - x : x] = index_of(rows[y][x]);
    }
    return pixels;
}

GlyphPixels disabled_glyph_pixels(Glyph glyph)
{
    const GlyphPixels normal = glyph_pixels(glyph);
    GlyphPixels greyed = blank();
    for (int y = 0; y + 1 < kGlyphSize; ++y) {
        for (int x = 0; x + 1 < kGlyphSize; ++x) {
            if (is_dark(normal[y][x]))
                greyed[y + 1][x + 1] = kWhite;
        }
    }
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            if (is_dark(normal[y][x]))
                greyed[y][x] = kGrey;
        }
    }
    return greyed;
}

void put_glyph(std::span<std::uint32_t> bits, int width, int left, int top, const GlyphPixels& pixels,
               int factor)
{
    const int height = width > 0 ? static_cast<int>(bits.size()) / width : 0;
    const int size = kGlyphSize * factor;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t index = pixels[y / factor][x / factor];
            const int px = left + x;
            const int py = top + y;
            if (index != kTransparentIndex && px >= 0 && py >= 0 && px < width && py < height)
                bits[static_cast<std::size_t>(py) * width + px] = kGlyphPalette[index];
        }
    }
}

} // namespace orr
