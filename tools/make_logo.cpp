// Draws the About window's animated logo and writes it with giflib: a desk calendar
// page with a sun circling it (one orbit a year) and today's mark walking across the
// days. GIF89a, 135 x 125, a 16-colour global table, 8 full-size frames of 10
// hundredths, transparent index 11, disposal 2, NETSCAPE2.0 loop count 999.
// Usage: make_logo <out.gif>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <array>
#include <cstdio>
#include <gif_lib.h>

#include "tools/palette_image.h"

namespace {

constexpr int kWidth = 135;
constexpr int kHeight = 125;
constexpr int kFrames = 8;
constexpr int kDelayHundredths = 10;
constexpr int kTransparent = 11;
constexpr int kLoopCount = 999;
constexpr int kColourBits = 4;

const std::vector<QRgb> kPalette{0x000000, 0x404040, 0x808080, 0xC0C0C0, 0xFFFFFF, 0xFF0000,
                                 0x800000, 0x000080, 0x3A6EA5, 0xFFD400, 0xF08000, 0xFF00FF /* transparent */,
                                 0xC00000, 0xFFF6E0, 0xE4E4E4, 0xB05000};

const QRectF kPage(19, 24, 98, 86);
constexpr qreal kHeaderHeight = 22;
constexpr int kColumns = 7;
constexpr int kRows = 5;
const QPointF kOrbitCentre(68, 66);
constexpr qreal kOrbitX = 52;
constexpr qreal kOrbitY = 44;

void draw_sun(QPainter& p, int frame)
{
    const qreal angle = qDegreesToRadians(135.0 - 45.0 * frame);
    const QPointF centre(kOrbitCentre.x() + kOrbitX * qCos(angle), kOrbitCentre.y() + kOrbitY * qSin(angle));
    p.save();
    p.translate(centre);
    p.rotate(15.0 * frame);
    p.setPen(QPen(QColor::fromRgb(0xF08000), 2.2, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 8; ++ray) {
        p.drawLine(QPointF(0, 11), QPointF(0, 15));
        p.rotate(45);
    }
    QRadialGradient glow(QPointF(-3, -3), 11);
    glow.setColorAt(0, QColor::fromRgb(0xFFF6E0));
    glow.setColorAt(0.35, QColor::fromRgb(0xFFD400));
    glow.setColorAt(1, QColor::fromRgb(0xF08000));
    p.setBrush(glow);
    p.setPen(QPen(QColor::fromRgb(0xB05000), 1));
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.restore();
}

void draw_page(QPainter& p, int frame)
{
    // Shadow, then the page with its header band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(0x808080));
    p.drawRoundedRect(kPage.translated(3, 3), 6, 6);
    QPainterPath page;
    page.addRoundedRect(kPage, 6, 6);
    p.setBrush(QColor::fromRgb(0xFFFFFF));
    p.setPen(QPen(QColor::fromRgb(0x404040), 1.2));
    p.drawPath(page);
    p.save();
    p.setClipPath(page);
    QLinearGradient header(kPage.topLeft(), kPage.topLeft() + QPointF(0, kHeaderHeight));
    header.setColorAt(0, QColor::fromRgb(0xFF0000));
    header.setColorAt(1, QColor::fromRgb(0x800000));
    p.fillRect(QRectF(kPage.left(), kPage.top(), kPage.width(), kHeaderHeight), header);
    p.restore();
    QFont month(QStringLiteral("Liberation Sans"));
    month.setPixelSize(11);
    month.setBold(true);
    month.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(month);
    p.setPen(QColor::fromRgb(0xFFFFFF));
    p.drawText(QRectF(kPage.left(), kPage.top() + 8, kPage.width(), kHeaderHeight - 8), Qt::AlignCenter,
               QStringLiteral("JULY"));
    p.setPen(QPen(QColor::fromRgb(0x404040), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(page);

    // The binding rings over the header.
    for (qreal x : {kPage.left() + 20, kPage.right() - 26}) {
        p.setPen(QPen(QColor::fromRgb(0x000000), 1));
        p.setBrush(QColor::fromRgb(0xC0C0C0));
        p.drawRoundedRect(QRectF(x, kPage.top() - 9, 6, 18), 3, 3);
        p.setPen(QPen(QColor::fromRgb(0xFFFFFF), 1));
        p.drawLine(QPointF(x + 2, kPage.top() - 6), QPointF(x + 2, kPage.top() + 5));
    }

    // The days, today's mark walking along them.
    const qreal cell_w = 11, cell_h = 9.5, gap = 1.5;
    const QPointF grid(kPage.left() + (kPage.width() - (kColumns * cell_w + (kColumns - 1) * gap)) / 2,
                       kPage.top() + kHeaderHeight + 6);
    const int first_day = 3; // the 1st falls on the fourth column
    const int today = 7 + frame;
    for (int row = 0; row < kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const int day = row * kColumns + column - first_day;
            if (day < 0 || day >= 31)
                continue;
            const QRectF cell(grid.x() + column * (cell_w + gap), grid.y() + row * (cell_h + gap), cell_w,
                              cell_h);
            const bool is_today = day == today;
            p.setPen(Qt::NoPen);
            p.setBrush(is_today ? QColor::fromRgb(0xFF0000)
                                : (column == 0 ? QColor::fromRgb(0xFFF6E0) : QColor::fromRgb(0xE4E4E4)));
            p.drawRect(cell);
            p.setPen(QPen(is_today ? QColor::fromRgb(0xFFFFFF) : QColor::fromRgb(0x808080), 1.4));
            p.drawLine(QPointF(cell.left() + 3, cell.center().y()),
                       QPointF(cell.right() - 3, cell.center().y()));
        }
    }
}

QImage draw_frame(int frame)
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal angle = qDegreesToRadians(135.0 - 45.0 * frame);
    // The sun passes behind the page on the far side of its orbit.
    const bool behind = qSin(angle) < -0.01;
    if (behind)
        draw_sun(p, frame);
    draw_page(p, frame);
    if (!behind)
        draw_sun(p, frame);
    return image;
}

bool write_gif(const char* path)
{
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path, false, &error);
    if (!gif)
        return false;
    EGifSetGifVersion(gif, true);
    std::array<GifColorType, 1 << kColourBits> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = {static_cast<GifByteType>(qRed(kPalette[i])),
                      static_cast<GifByteType>(qGreen(kPalette[i])),
                      static_cast<GifByteType>(qBlue(kPalette[i]))};
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    bool ok = map && EGifPutScreenDesc(gif, kWidth, kHeight, kColourBits, 0, map) == GIF_OK;

    // The looping extension first, ahead of any frame's control extension.
    const GifByteType netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    const GifByteType loops[] = {1, kLoopCount & 0xFF, kLoopCount >> 8};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof netscape, netscape) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof loops, loops) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;

    for (int frame = 0; ok && frame < kFrames; ++frame) {
        std::vector<unsigned char> pixels = to_palette(draw_frame(frame), kPalette, kTransparent);
        GraphicsControlBlock control{DISPOSE_BACKGROUND, false, kDelayHundredths, kTransparent};
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < kHeight; ++y)
            ok = EGifPutLine(gif, pixels.data() + y * kWidth, kWidth) == GIF_OK;
    }
    GifFreeMapObject(map);
    return EGifCloseFile(gif, &error) == GIF_OK && ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_logo <out.gif>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (!write_gif(argv[1])) {
        std::fprintf(stderr, "make_logo: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
