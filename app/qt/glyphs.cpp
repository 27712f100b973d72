#include "app/glyphs.h"

#include <QPixmap>
#include <array>

namespace {

constexpr int kGlyphSize = 16;

// One letter a pixel. Lower case are the dark VGA colours, upper case the
// bright ones; 'M' (fuchsia) is the transparent key, as the bottom-left pixel shows.
constexpr std::array<const char*, kGlyphSize> kLeftArrow{
    "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMkMMMMMM",
    "MMMMMMMMkkMMMMMM", "MMMMMMMkkkMMMMMM", "MMMMMMkkkkMMMMMM", "MMMMMkkkkkMMMMMM",
    "MMMMMMkkkkMMMMMM", "MMMMMMMkkkMMMMMM", "MMMMMMMMkkMMMMMM", "MMMMMMMMMkMMMMMM",
    "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM", "MMMMMMMMMMMMMMMM"};

constexpr std::array<const char*, kGlyphSize> kCalendarPage{
    "MMMMMMMMMMMMMMMM", "MMMkMMMMMMMMkMMM", "MkkkkkkkkkkkkkkM", "MkRRRRRRRRRRRRkM",
    "MkRRRRRRRRRRRRkM", "MkkkkkkkkkkkkkkM", "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwdwwkM",
    "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwBwwkM", "MkwwwwwwwwwwwwkM", "MkwdwdwdwdwdwwkM",
    "MkwwwwwwwwwwwwkM", "MkwdwdwdwwwwwwkM", "MkkkkkkkkkkkkkkM", "MMMMMMMMMMMMMMMM"};

constexpr std::array<const char*, kGlyphSize> kDoor{
    "MMMMMMMMMMMMMMMM", "MMMkkkkkkkkkkMMM", "MMMkdddddddddkMM", "MMMkdrrrrrrrdkMM",
    "MMMkdryyyyyrdkMM", "MMMkdryrrryrdkMM", "MMMkdryyyyyrdkMM", "MMMkdrrrrrrrdkMM",
    "MMMkdrrrrrYYdkMM", "MMMkdrrrrrYYdkMM", "MMMkdryyyyyrdkMM", "MMMkdryrrryrdkMM",
    "MMMkdryyyyyrdkMM", "MMMkdrrrrrrrdkMM", "MMkkkkkkkkkkkkkM", "MMMMMMMMMMMMMMMM"};

constexpr char kTransparent = 'M';
constexpr std::array<char, 16> kKeys{'k', 'r', 'g', 'y', 'b', 'm', 'c', 's',
                                     'd', 'R', 'G', 'Y', 'B', 'M', 'C', 'w'};
constexpr std::array<QRgb, 16> kColours{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0x00FF00FF, 0xFF00FFFF, 0xFFFFFFFF};

int index_of(char key)
{
    for (int i = 0; i < int(kKeys.size()); ++i) {
        if (kKeys[i] == key)
            return i;
    }
    return index_of(kTransparent);
}

const std::array<const char*, kGlyphSize>& rows_of(Glyph glyph)
{
    switch (glyph) {
    case Glyph::LeftArrow:
    case Glyph::RightArrow: return kLeftArrow;
    case Glyph::CalendarPage: return kCalendarPage;
    case Glyph::Door: return kDoor;
    }
    return kLeftArrow;
}

QImage blank_glyph()
{
    QImage image(kGlyphSize, kGlyphSize, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(kColours.begin(), kColours.end()));
    image.fill(index_of(kTransparent));
    return image;
}

bool is_light(QRgb colour) { return qGray(colour) >= 0xC0; }

} // namespace

QImage glyph_image(Glyph glyph)
{
    QImage image = blank_glyph();
    const auto& rows = rows_of(glyph);
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x)
            image.setPixel(x, y, index_of(rows[y][x]));
    }
    // The right arrowhead is the left one mirrored.
    return glyph == Glyph::RightArrow ? image.mirrored(true, false) : image;
}

QImage disabled_glyph_image(Glyph glyph)
{
    // Greyed the usual way: the dark pixels in grey over a white copy one pixel
    // down and to the right, light pixels dropped.
    const QImage normal = glyph_image(glyph);
    QImage greyed = blank_glyph();
    auto dark = [&](int x, int y) {
        const int index = normal.pixelIndex(x, y);
        return index != index_of(kTransparent) && !is_light(kColours[index]);
    };
    for (int y = 0; y + 1 < kGlyphSize; ++y) {
        for (int x = 0; x + 1 < kGlyphSize; ++x) {
            if (dark(x, y))
                greyed.setPixel(x + 1, y + 1, index_of('w'));
        }
    }
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            if (dark(x, y))
                greyed.setPixel(x, y, index_of('d'));
        }
    }
    return greyed;
}

QIcon glyph_icon(Glyph glyph)
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(glyph_image(glyph)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(disabled_glyph_image(glyph)), QIcon::Disabled);
    return icon;
}
