#include "app/qt/glyphs.h"

#include <QPixmap>

namespace {

constexpr int kLargestGlyphFactor = 4;

QImage image_of(const orr::GlyphPixels& pixels)
{
    QList<QRgb> colours;
    for (std::size_t i = 0; i < orr::kGlyphPalette.size(); ++i) {
        const bool transparent = static_cast<int>(i) == orr::kTransparentIndex;
        colours.append(transparent ? orr::kGlyphPalette[i] : 0xFF000000u | orr::kGlyphPalette[i]);
    }
    QImage image(orr::kGlyphSize, orr::kGlyphSize, QImage::Format_Indexed8);
    image.setColorTable(colours);
    for (int y = 0; y < orr::kGlyphSize; ++y) {
        for (int x = 0; x < orr::kGlyphSize; ++x)
            image.setPixel(x, y, pixels[y][x]);
    }
    return image;
}

} // namespace

QImage glyph_image(Glyph glyph) { return image_of(orr::glyph_pixels(glyph)); }

QImage disabled_glyph_image(Glyph glyph) { return image_of(orr::disabled_glyph_pixels(glyph)); }

QIcon glyph_icon(Glyph glyph)
{
    QIcon icon;
    const QImage normal = glyph_image(glyph);
    const QImage disabled = disabled_glyph_image(glyph);
    // Whole multiples of the 16-pixel art, pixel for pixel, for dense screens: left to
    // itself the icon would blur the one size it has when it stretches it.
    for (int factor = 1; factor <= kLargestGlyphFactor; ++factor) {
        const QSize size(orr::kGlyphSize * factor, orr::kGlyphSize * factor);
        icon.addPixmap(QPixmap::fromImage(normal.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)),
                       QIcon::Normal);
        icon.addPixmap(QPixmap::fromImage(disabled.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation)),
                       QIcon::Disabled);
    }
    return icon;
}
