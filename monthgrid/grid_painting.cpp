#include "monthgrid/grid_painting.h"

#include <QPainter>
#include <QVarLengthArray>

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGray(0x80, 0x80, 0x80);
const QColor kBlack(0, 0, 0);

// Room for the lines of a month grid on the stack; larger grids spill to the heap.
using LineList = QVarLengthArray<QLine, 16>;

QPen line_pen(const QColor& colour, int width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (width == 1)
        pen.setCosmetic(true);
    return pen;
}

} // namespace

GridPainter::GridPainter(TCustomGrid& grid, QPainter& painter)
    : grid_(grid), painter_(painter), x_(grid.ColumnAxis()), y_(grid.RowAxis())
{
}

void GridPainter::paint(const QRegion& region)
{
    const QRect client = grid_.contentsRect();
    painter_.setClipRect(client);
    painter_.translate(client.topLeft());
    const QRegion local = region.translated(-client.topLeft()) & QRect(QPoint(), client.size());

    // Headings first, then the body; lines only between fully visible cells.
    const Range head_cols{0, x_.fixed};
    const Range head_rows{0, y_.fixed};
    const Range body_cols{x_.fixed, x_.count};
    const Range body_rows{y_.fixed, y_.count};
    const Area areas[] = {{head_cols, head_rows, true},
                          {body_cols, head_rows, true},
                          {head_cols, body_rows, true},
                          {body_cols, body_rows, false}};
    if (x_.line > 0 || y_.line > 0) {
        for (const Area& area : areas)
            paint_lines(area);
    }
    painter_.setFont(grid_.font());
    for (const Area& area : areas)
        paint_cells(area, local);
    paint_strips();
}

QColor GridPainter::body_line_colour() const
{
    return grid_.Color().rgb() == kSilver.rgb() ? kGray : kSilver;
}

void GridPainter::paint_lines(const Area& area) const
{
    const int last_col = std::min(area.cols.last, x_.full_visible_count());
    const int last_row = std::min(area.rows.last, y_.full_visible_count());
    if (area.cols.first >= last_col || area.rows.first >= last_row)
        return;
    const int left = x_.start(area.cols.first);
    const int right = x_.start(last_col);
    const int top = y_.start(area.rows.first);
    const int bottom = y_.start(last_row);

    const bool vert_on = has(area.heading ? TCustomGrid::HeadingVertLine : TCustomGrid::VertLine);
    const bool horz_on = has(area.heading ? TCustomGrid::HeadingHorzLine : TCustomGrid::HorzLine);
    const QColor on_colour = area.heading ? kBlack : body_line_colour();
    const QColor off_colour = area.heading ? grid_.HeadingColor() : grid_.Color();

    LineList vertical;
    if (x_.line > 0) {
        for (int c = area.cols.first; c < last_col; ++c) {
            const int x = x_.end(c) + (x_.line >> 1);
            vertical.append(QLine(x, top, x, bottom));
        }
    }
    LineList horizontal;
    if (y_.line > 0) {
        for (int r = area.rows.first; r < last_row; ++r) {
            const int y = y_.end(r) + (y_.line >> 1);
            horizontal.append(QLine(left, y, right, y));
        }
    }

    auto stroke = [this](const LineList& lines, bool on, const QColor& on_c, const QColor& off_c,
                         int width) {
        if (lines.isEmpty())
            return;
        painter_.setPen(line_pen(on ? on_c : off_c, width));
        painter_.drawLines(lines.constData(), int(lines.size()));
    };
    // The later strokes cover the crossings.
    if (horz_on) {
        stroke(vertical, vert_on, on_colour, off_colour, x_.line);
        stroke(horizontal, horz_on, on_colour, off_colour, y_.line);
    } else {
        stroke(horizontal, horz_on, on_colour, off_colour, y_.line);
        stroke(vertical, vert_on, on_colour, off_colour, x_.line);
    }
}

void GridPainter::paint_cells(const Area& area, const QRegion& region) const
{
    for (int row = area.rows.first; row < area.rows.last; ++row) {
        for (int col = area.cols.first; col < area.cols.last; ++col) {
            const QRect rect = grid_.CellRect(col, row);
            if (rect.width() <= 0 || rect.height() <= 0 || !region.intersects(rect))
                continue;
            paint_cell(col, row, rect, area.heading);
        }
    }
}

void GridPainter::paint_cell(int col, int row, const QRect& rect, bool heading) const
{
    const QPalette& palette = grid_.palette();
    TCustomGrid::DrawState state;
    state.heading = heading;
    state.selected = !heading && orr::GridCell{col, row} == grid_.CurrentCell();
    state.focused = state.selected && grid_.IsActiveControl();

    const bool highlight = state.selected && (!state.focused || has(TCustomGrid::DrawFocusSelected));
    painter_.setBrush(highlight ? palette.color(QPalette::Highlight)
                                : (heading ? grid_.HeadingColor() : grid_.Color()));
    painter_.setPen(highlight ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
    painter_.fillRect(rect, painter_.brush());

    grid_.DrawCellContent(painter_, col, row, rect, state);
    // The content may have narrowed the clip to its cell; edges can reach past it.
    painter_.setClipRect(QRect(QPoint(), grid_.contentsRect().size()));

    const bool heading_lines = has(TCustomGrid::HeadingVertLine) || has(TCustomGrid::HeadingHorzLine);
    if (heading && grid_.Ctl3D() && heading_lines)
        paint_heading_edges(rect);
    if (state.focused)
        draw_focus_rect(painter_, rect);
}

void GridPainter::paint_heading_edges(const QRect& cell) const
{
    QRect rect = cell;
    const bool vert = has(TCustomGrid::HeadingVertLine);
    const bool horz = has(TCustomGrid::HeadingHorzLine);
    if (!vert)
        rect.adjust(0, 0, x_.line, 0);
    else if (!horz)
        rect.adjust(0, 0, 0, y_.line);
    const QPalette& palette = grid_.palette();
    // A raised inner edge: shadow at the right and bottom, light at the left and top.
    painter_.save();
    painter_.setPen(line_pen(palette.color(QPalette::Dark), 1));
    if (vert)
        painter_.drawLine(rect.topRight(), rect.bottomRight());
    if (horz)
        painter_.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter_.setPen(line_pen(palette.color(QPalette::Light), 1));
    if (vert)
        painter_.drawLine(rect.topLeft(), rect.bottomLeft());
    if (horz)
        painter_.drawLine(rect.topLeft(), rect.topRight());
    painter_.restore();
}

void GridPainter::paint_strips() const
{
    const QSize client = grid_.contentsRect().size();
    const int right = x_.boundary();
    const int bottom = y_.boundary();
    if (right < client.width())
        painter_.fillRect(QRect(right, 0, client.width() - right, std::min(bottom, client.height())),
                          grid_.Color());
    if (bottom < client.height())
        painter_.fillRect(QRect(0, bottom, client.width(), client.height() - bottom), grid_.Color());
}

void draw_focus_rect(QPainter& painter, const QRect& rect)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(line_pen(Qt::white, 1));
    QVarLengthArray<QPoint, 256> dots;
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.append(QPoint(x, y));
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.drawPoints(dots.constData(), int(dots.size()));
    painter.restore();
}
