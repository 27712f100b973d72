#include "monthgrid/qt/qt_canvas.h"

#include <algorithm>
#include <cstdlib>

#include <QPainter>
#include <QVarLengthArray>

namespace {

QRect to_qrect(const orr::Rect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

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

// Every other pixel of a focus outline; the stack holds a month grid cell's.
using Dots = QVarLengthArray<QPoint, 256>;

} // namespace

QtGridCanvas::QtGridCanvas(QPainter& painter, const QPalette& palette, const QRect& client, const QFont& font,
                           LaidOutTexts& texts)
    : painter_(painter), palette_(palette), client_(QPoint(), client.size()), texts_(texts)
{
    painter_.setClipRect(client);
    painter_.translate(client.topLeft());
    painter_.setFont(font);
    texts_.use_font(font);
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
    // Level and upright lines are the pixels a GDI pen of that width covers, filled in
    // logical pixels: a pen would be one device pixel thin on a dense screen, or half a
    // pixel off where its width is odd.
    const QColor line_colour = colour(c);
    const int before = width / 2;
    QVarLengthArray<QLine, 16> slanted;
    for (const orr::Line& line : lines) {
        if (line.from.x == line.to.x) {
            const int top = std::min(line.from.y, line.to.y);
            painter_.fillRect(QRect(line.from.x - before, top, width, std::abs(line.to.y - line.from.y)), line_colour);
        } else if (line.from.y == line.to.y) {
            const int left = std::min(line.from.x, line.to.x);
            painter_.fillRect(QRect(left, line.from.y - before, std::abs(line.to.x - line.from.x), width), line_colour);
        } else {
            slanted.append(QLine(line.from.x, line.from.y, line.to.x, line.to.y));
        }
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
    return {texts_.get(text).width, texts_.height()};
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
    painter_.drawStaticText(at.x, at.y, texts_.get(text).text);
    painter_.setClipRect(client_);
}

void QtGridCanvas::raised_inner_edge(const orr::Rect& r, unsigned sides)
{
    filled_ = QRect();
    // Shadow at the right and bottom, light at the left and top, one pixel wide.
    const QColor light = palette_.color(QPalette::Light);
    const QColor dark = palette_.color(QPalette::Dark);
    if (sides & orr::kEdgeRight)
        painter_.fillRect(QRect(r.right - 1, r.top, 1, r.height()), dark);
    if (sides & orr::kEdgeBottom)
        painter_.fillRect(QRect(r.left, r.bottom - 1, r.width(), 1), dark);
    if (sides & orr::kEdgeLeft)
        painter_.fillRect(QRect(r.left, r.top, 1, r.height()), light);
    if (sides & orr::kEdgeTop)
        painter_.fillRect(QRect(r.left, r.top, r.width(), 1), light);
}

void QtGridCanvas::focus_rect(const orr::Rect& r)
{
    filled_ = QRect();
    if (r.empty())
        return;
    Dots dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.append(QPoint(x, y));
    };
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    for (int x = r.left; x <= right; ++x) {
        dot(x, r.top);
        if (bottom != r.top)
            dot(x, bottom);
    }
    for (int y = r.top + 1; y < bottom; ++y) {
        dot(r.left, y);
        if (right != r.left)
            dot(right, y);
    }
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1);
    pen.setCosmetic(true);
    painter_.setPen(pen);
    painter_.drawPoints(dots.constData(), static_cast<int>(dots.size()));
    painter_.restore();
}
