#include "about/qt/ok_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "about/ok_glyph.h"

namespace {

QImage glyph_image()
{
    const orr::about::OkGlyph pixels = orr::about::ok_glyph();
    // A copy: the pixels go when this returns.
    return QImage(reinterpret_cast<const uchar*>(pixels.data()), orr::about::kOkGlyphSize,
                  orr::about::kOkGlyphSize, QImage::Format_ARGB32)
        .copy();
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
    const orr::about::OkFace face = orr::about::ok_face(width(), height(), isDown());
    painter.drawImage(face.glyph.x, face.glyph.y, glyph_);
    const orr::about::Rect& rest = face.caption;
    painter.drawText(QRect(rest.left, rest.top, rest.width(), rest.height()),
                     Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}
