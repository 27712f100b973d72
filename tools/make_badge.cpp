// Draws the About window's badge, a glossy blue plaque with a silver rim and a desk
// calendar at its right end (the badge's label writes its text over the left part),
// and writes it as a 256-colour BMP of 598 x 154. Usage: make_badge <out.bmp>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "tools/palette_image.h"

namespace {

constexpr int kWidth = 598;
constexpr int kHeight = 154;
constexpr int kColours = 256;

void ramp(std::vector<QRgb>& table, QColor from, QColor to, int steps)
{
    for (int i = 0; i < steps; ++i) {
        const qreal t = steps == 1 ? 0 : qreal(i) / (steps - 1);
        table.push_back(qRgb(qRound(from.red() + (to.red() - from.red()) * t),
                             qRound(from.green() + (to.green() - from.green()) * t),
                             qRound(from.blue() + (to.blue() - from.blue()) * t)));
    }
}

// Ramps along the badge's own colours, so that its gradients keep their smoothness.
std::vector<QRgb> badge_palette()
{
    std::vector<QRgb> table;
    ramp(table, QColor::fromRgb(0x03103A), QColor::fromRgb(0x6C9BE0), 112); // the plaque
    ramp(table, QColor::fromRgb(0x404040), QColor::fromRgb(0xFFFFFF), 72);  // the rim, the page
    ramp(table, QColor::fromRgb(0x500000), QColor::fromRgb(0xFF7070), 40);  // the header
    ramp(table, QColor::fromRgb(0xB05000), QColor::fromRgb(0xFFF6E0), 24);  // the sun
    ramp(table, QColor::fromRgb(0x000000), QColor::fromRgb(0x303030), 8);
    table.resize(kColours, 0);
    return table;
}

void draw_calendar(QPainter& p)
{
    p.save();
    p.translate(505, 78);
    p.rotate(-8);
    const QRectF page(-46, -44, 92, 92);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawRoundedRect(page.translated(5, 6), 8, 8);
    QPainterPath outline;
    outline.addRoundedRect(page, 8, 8);
    p.setBrush(QColor::fromRgb(0xFFFFFF));
    p.setPen(QPen(QColor::fromRgb(0x404040), 2));
    p.drawPath(outline);
    p.save();
    p.setClipPath(outline);
    QLinearGradient header(page.topLeft(), page.topLeft() + QPointF(0, 26));
    header.setColorAt(0, QColor::fromRgb(0xFF3030));
    header.setColorAt(1, QColor::fromRgb(0x900000));
    p.fillRect(QRectF(page.left(), page.top(), page.width(), 26), header);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    for (qreal x : {page.left() + 20, page.right() - 28}) {
        p.setPen(QPen(QColor::fromRgb(0x202020), 1.5));
        p.setBrush(QColor::fromRgb(0xC8C8C8));
        p.drawRoundedRect(QRectF(x, page.top() - 12, 8, 24), 4, 4);
    }
    // Four rows of days, one marked red.
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 6; ++column) {
            const QRectF cell(page.left() + 9 + column * 13, page.top() + 34 + row * 13, 10, 10);
            const bool today = row == 2 && column == 3;
            p.setPen(Qt::NoPen);
            p.setBrush(today ? QColor::fromRgb(0xFF0000) : QColor::fromRgb(0xDCDCDC));
            p.drawRect(cell);
        }
    }
    p.restore();
}

QImage draw_badge()
{
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor::fromRgb(0xC0C0C0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(2, 2, kWidth - 4, kHeight - 4);

    QLinearGradient rim(outer.topLeft(), outer.bottomLeft());
    rim.setColorAt(0, QColor::fromRgb(0xFFFFFF));
    rim.setColorAt(0.5, QColor::fromRgb(0xA0A0A0));
    rim.setColorAt(1, QColor::fromRgb(0x505050));
    p.setPen(QPen(QColor::fromRgb(0x404040), 2));
    p.setBrush(rim);
    p.drawRoundedRect(outer, 30, 30);

    const QRectF plaque = outer.adjusted(9, 9, -9, -9);
    QLinearGradient blue(plaque.topLeft(), plaque.bottomLeft());
    blue.setColorAt(0, QColor::fromRgb(0x3A6EA5));
    blue.setColorAt(0.48, QColor::fromRgb(0x0A246A));
    blue.setColorAt(1, QColor::fromRgb(0x051648));
    p.setPen(QPen(QColor::fromRgb(0x051648), 2));
    p.setBrush(blue);
    p.drawRoundedRect(plaque, 22, 22);

    // A gloss over the upper half.
    QPainterPath gloss;
    gloss.addRoundedRect(plaque.adjusted(4, 3, -4, -plaque.height() * 0.52), 18, 18);
    QLinearGradient shine(plaque.topLeft(), plaque.topLeft() + QPointF(0, plaque.height() * 0.5));
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 10));
    p.fillPath(gloss, shine);

    // A faint year grid behind the label's text.
    p.setPen(QPen(QColor(255, 255, 255, 22), 2));
    for (int x = 40; x < 410; x += 34)
        p.drawLine(QPointF(x, plaque.top() + 16), QPointF(x, plaque.bottom() - 16));
    draw_calendar(p);
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_badge <out.bmp>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::vector<QRgb> palette = badge_palette();
    const std::vector<unsigned char> indices = to_palette(draw_badge(), palette, -1);
    QImage badge(kWidth, kHeight, QImage::Format_Indexed8);
    badge.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < kHeight; ++y)
        std::copy_n(indices.data() + y * kWidth, kWidth, badge.scanLine(y));
    if (!badge.save(argv[1], "BMP")) {
        std::fprintf(stderr, "make_badge: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
