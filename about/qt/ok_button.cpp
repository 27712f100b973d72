#include "about/qt/ok_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "about/about_layout.h"
#include "about/ok_glyph.h"

namespace {

QImage glyph_image()
{
    const orr::about::OkGlyph pixels = orr::about::ok_glyph();
    QImage image(orr::about::kOkGlyphSize, orr::about::kOkGlyphSize, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, pixels[y * orr::about::kOkGlyphSize + x]);
    }
    return image;
}

} // namespace

OkButton::OkButton(QWidget* parent) : QPushButton(parent), glyph_(glyph_image()) {}

void OkButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);
    // Pressed, the face moves down and to the right by a pixel, as a push button's does.
    const int shift = isDown() ? 1 : 0;
    const int glyph_top = (height() - glyph_.height()) / 2 + shift;
    painter.drawImage(orr::about::kGlyphInset + shift, glyph_top, glyph_);
    const int rest = orr::about::kGlyphInset + glyph_.width();
    painter.drawText(QRect(rest + shift, shift, width() - rest, height()),
                     Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}
