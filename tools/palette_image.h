// Shared by the artwork generators: an antialiased drawing reduced to a fixed colour
// table, transparent where the drawing left the canvas (nearly) empty.
#pragma once

#include <QColor>
#include <QImage>
#include <vector>

// Palette indices, one a pixel, rows top to bottom.
inline std::vector<unsigned char> to_palette(const QImage& drawing, const std::vector<QRgb>& palette,
                                             int transparent_index)
{
    const QImage image = drawing.convertToFormat(QImage::Format_ARGB32);
    std::vector<unsigned char> indices;
    indices.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) < 128 && transparent_index >= 0) {
                indices.push_back(static_cast<unsigned char>(transparent_index));
                continue;
            }
            int best = 0;
            long best_distance = -1;
            for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
                if (i == transparent_index)
                    continue;
                const long dr = qRed(pixel) - qRed(palette[i]);
                const long dg = qGreen(pixel) - qGreen(palette[i]);
                const long db = qBlue(pixel) - qBlue(palette[i]);
                // Weighted as the eye sees differences.
                const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (best_distance < 0 || distance < best_distance) {
                    best = i;
                    best_distance = distance;
                }
            }
            indices.push_back(static_cast<unsigned char>(best));
        }
    }
    return indices;
}
