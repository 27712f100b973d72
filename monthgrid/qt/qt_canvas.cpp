#include "monthgrid/qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTransform>
#include <QVarLengthArray>

namespace {

QPalette::ColorRole role_of(orr::SystemColour colour)
{
    switch (colour) {
    case orr::SystemColour::Window: return QPalette::Base;
    case orr::SystemColour::WindowText: return QPalette::Text;
    case orr::SystemColour::BtnFace: return QPalette::Button;
    case orr::SystemColour::Highlight: return QPalette::Highlight;
    case orr::SystemColour::HighlightText: return QPalette::HighlightedText;
    }
    return QPalette::Base;
}

QPalette::ColorRole role_of(orr::EdgeShade shade)
{
    switch (shade) {
    case orr::EdgeShade::Light: return QPalette::Light;
    case orr::EdgeShade::Midlight: return QPalette::Midlight;
    case orr::EdgeShade::Dark: return QPalette::Dark;
    case orr::EdgeShade::Shadow: return QPalette::Shadow;
    }
    return QPalette::Dark;
}

int line_height(const QFont& font) { return QFontMetrics(font).height(); }

LaidOutText lay_out(const QFont& font, std::string_view text)
{
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    LaidOutText laid{QStaticText(string), QFontMetrics(font).horizontalAdvance(string)};
    laid.text.setTextFormat(Qt::PlainText);
    laid.text.prepare(QTransform(), font);
    return laid;
}

} // namespace

void fill_edge(QPainter& painter, const QPalette& palette, std::span<const orr::EdgeStrip> strips)
{
    for (const orr::EdgeStrip& strip : strips)
        painter.fillRect(to_qrect(strip.rect), palette.color(role_of(strip.shade)));
}

QtGridCanvas::QtGridCanvas(QPainter& painter, const QPalette& palette, const QRect& client, const QFont& font,
                           LaidOutTexts& texts)
    : painter_(painter), palette_(palette), client_(QPoint(), client.size()), texts_(texts)
{
    painter_.setClipRect(client);
    painter_.translate(client.topLeft());
    painter_.setFont(font);
    texts_.use_font(font, line_height);
}

QColor QtGridCanvas::colour(orr::Colour colour) const
{
    if (colour.is_system())
        return palette_.color(role_of(colour.system_colour()));
    const std::uint32_t bgr = colour.bgr();
    return QColor(orr::red_of(bgr), orr::green_of(bgr), orr::blue_of(bgr));
}

std::uint32_t QtGridCanvas::resolve(orr::Colour c) const
{
    const QColor q = colour(c);
    return static_cast<std::uint32_t>(q.blue()) << 16 | static_cast<std::uint32_t>(q.green()) << 8 |
           static_cast<std::uint32_t>(q.red());
}

void QtGridCanvas::set_brush(orr::Colour c)
{
    const QColor next = colour(c);
    if (next != brush_)
        filled_ = QRect();
    brush_ = next;
}

void QtGridCanvas::set_text_colour(orr::Colour c) { text_colour_ = colour(c); }

void QtGridCanvas::fill_rect(const orr::Rect& rect)
{
    filled_ = to_qrect(rect);
    painter_.fillRect(filled_, brush_);
}

void QtGridCanvas::draw_lines(std::span<const orr::Line> lines, orr::Colour c, int width)
{
    filled_ = QRect();
    // Level and upright lines are filled in logical pixels: a pen would be one device
    // pixel thin on a dense screen, or half a pixel off where its width is odd.
    const QColor line_colour = colour(c);
    QVarLengthArray<QLine, 16> slanted;
    for (const orr::Line& line : lines) {
        if (const auto pixels = orr::line_pixels(line, width))
            painter_.fillRect(to_qrect(*pixels), line_colour);
        else
            slanted.append(QLine(line.from.x, line.from.y, line.to.x, line.to.y));
    }
    if (slanted.isEmpty())
        return;
    QPen pen(line_colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(width == 1);
    painter_.setPen(pen);
    painter_.drawLines(slanted.constData(), static_cast<int>(slanted.size()));
}

orr::Size QtGridCanvas::text_extent(std::string_view text)
{
    return {texts_.get(text, lay_out).width, texts_.height()};
}

void QtGridCanvas::text_rect(const orr::Rect& clip, orr::Point at, std::string_view text)
{
    const QRect rect = to_qrect(clip);
    if (rect != filled_)
        painter_.fillRect(rect, brush_);
    filled_ = QRect();
    if (text.empty())
        return;
    painter_.setPen(text_colour_);
    painter_.setClipRect(rect);
    painter_.drawStaticText(at.x, at.y, texts_.get(text, lay_out).text);
    painter_.setClipRect(client_);
}

void QtGridCanvas::raised_inner_edge(const orr::Rect& r, unsigned sides)
{
    filled_ = QRect();
    fill_edge(painter_, palette_, orr::raised_inner_edge(r, sides));
}

void QtGridCanvas::focus_rect(const orr::Rect& r)
{
    filled_ = QRect();
    QVarLengthArray<QPoint, 256> dots; // a month grid cell's fit on the stack
    for (const orr::Point& dot : orr::focus_rect_dots(r))
        dots.append(QPoint(dot.x, dot.y));
    if (dots.isEmpty())
        return;
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.drawPoints(dots.constData(), static_cast<int>(dots.size()));
    painter_.restore();
}
