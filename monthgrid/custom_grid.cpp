#include "monthgrid/custom_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "core/error.h"
#include "core/event_guard.h"
#include "monthgrid/grid_painting.h"

using orr::GridCell;

namespace {

constexpr int kDefaultCellWidth = 64;
constexpr int kDefaultCellHeight = 24;
constexpr int kSelectingIntervalMs = 60;
constexpr int kSunkenEdgeWidth = 2;

} // namespace

TCustomGrid::TCustomGrid(QWidget* owner) : QFrame(owner)
{
    // A single border: the sunken 3-D client edge, or a flat line without 3-D look.
    if (ctl3d_) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(kSunkenEdgeWidth);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
    }
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    selecting_timer_.setInterval(kSelectingIntervalMs);
    connect(&selecting_timer_, &QTimer::timeout, this, [this] { orr::guarded([this] { SelectingTick(); }); });
    resize(col_count_ * kDefaultCellWidth, row_count_ * kDefaultCellHeight);
}

namespace {

// A count below 1 becomes 1; the heading count and the current cell shrink to fit.
void fit_count(int& count, int& fixed, int& current, int wanted)
{
    count = std::max(wanted, 1);
    fixed = std::min(fixed, count - 1);
    current = std::clamp(current, fixed, count - 1);
}

void check_fixed_count(int wanted, int count, const char* too_many)
{
    if (wanted < 0)
        throw orr::EInvalidGridOperation(orr::kGridIndexMessage);
    if (wanted >= count)
        throw orr::EInvalidGridOperation(too_many);
}

} // namespace

void TCustomGrid::SetColCount(int count)
{
    fit_count(col_count_, fixed_cols_, current_.col, count);
    update();
}

void TCustomGrid::SetRowCount(int count)
{
    fit_count(row_count_, fixed_rows_, current_.row, count);
    update();
}

void TCustomGrid::SetFixedCols(int count)
{
    check_fixed_count(count, col_count_, "Fixed column count must be less than column count");
    fixed_cols_ = count;
    ResetCurrentCell();
}

void TCustomGrid::SetFixedRows(int count)
{
    check_fixed_count(count, row_count_, "Fixed row count must be less than row count");
    fixed_rows_ = count;
    ResetCurrentCell();
}

void TCustomGrid::ResetCurrentCell()
{
    current_ = {fixed_cols_, fixed_rows_};
    update();
}

void TCustomGrid::SetCellWidth(int width)
{
    cell_width_ = width;
    update();
}

void TCustomGrid::SetCellHeight(int height)
{
    cell_height_ = height;
    update();
}

void TCustomGrid::SetGridLineWidth(int width)
{
    if (width == line_width_)
        return;
    line_width_ = width;
    update();
}

QColor TCustomGrid::Color() const { return color_.value_or(palette().color(QPalette::Base)); }

QColor TCustomGrid::HeadingColor() const
{
    return heading_color_.value_or(palette().color(QPalette::Button));
}

void TCustomGrid::SetColor(const QColor& colour)
{
    color_ = colour;
    update();
}

void TCustomGrid::SetHeadingColor(const QColor& colour)
{
    heading_color_ = colour;
    update();
}

void TCustomGrid::SetOptions(GridOptions options)
{
    if (options == options_)
        return;
    options_ = options;
    update();
}

void TCustomGrid::SetTabStop(bool stop)
{
    // Without a tab stop the grid still takes the focus when clicked.
    setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TCustomGrid::SetCtl3D(bool on)
{
    if (on == ctl3d_)
        return;
    ctl3d_ = on;
    update();
}

orr::GridAxis TCustomGrid::ColumnAxis() const
{
    const bool lines = options_ & (HeadingVertLine | VertLine);
    return {col_count_, fixed_cols_, cell_width_, lines ? line_width_ : 0, contentsRect().width()};
}

orr::GridAxis TCustomGrid::RowAxis() const
{
    const bool lines = options_ & (HeadingHorzLine | HorzLine);
    return {row_count_, fixed_rows_, cell_height_, lines ? line_width_ : 0, contentsRect().height()};
}

QRect TCustomGrid::CellRect(int col, int row) const
{
    const orr::GridAxis x = ColumnAxis();
    const orr::GridAxis y = RowAxis();
    return QRect(QPoint(x.start(col), y.start(row)), QPoint(x.end(col) - 1, y.end(row) - 1));
}

std::optional<GridCell> TCustomGrid::CellAt(QPoint client_pos) const
{
    const int col = ColumnAxis().cell_at(client_pos.x());
    const int row = RowAxis().cell_at(client_pos.y());
    if (col < 0 || row < 0)
        return std::nullopt;
    return GridCell{col, row};
}

bool TCustomGrid::IsActiveControl() const
{
    if (isWindow())
        return hasFocus();
    return window()->focusWidget() == this;
}

void TCustomGrid::MoveCurrentCell(int col, int row, bool /*move_anchor*/, bool /*show*/)
{
    // Without range selection the anchor always follows the current cell, and
    // every cell is always in view, so neither flag changes anything here.
    if (col < 0 || row < 0 || col >= col_count_ || row >= row_count_)
        throw orr::EInvalidGridOperation(orr::kGridIndexMessage);
    if (!CanSelectCell(col, row))
        return;
    const GridCell old = current_;
    current_ = {col, row};
    InvalidateCell(old);
    InvalidateCell(current_);
}

void TCustomGrid::InvalidateCell(GridCell cell)
{
    update(CellRect(cell.col, cell.row).translated(contentsRect().topLeft()));
}

bool TCustomGrid::CanSelectCell(int, int) { return true; }

void TCustomGrid::DrawCellContent(QPainter&, int, int, const QRect&, DrawState) {}

void TCustomGrid::NotifyClick()
{
    if (OnClick)
        OnClick(this);
}

void TCustomGrid::paintEvent(QPaintEvent* event)
{
    orr::guarded([&] {
        QPainter painter(this);
        drawFrame(&painter);
        GridPainter(*this, painter).paint(event->region());
    });
}

std::optional<GridCell> TCustomGrid::BodyCellAt(QPointF widget_pos) const
{
    const auto cell = CellAt((widget_pos.toPoint() - contentsRect().topLeft()));
    if (!cell || cell->col < fixed_cols_ || cell->row < fixed_rows_)
        return std::nullopt;
    return cell;
}

void TCustomGrid::TrySelectAt(QPointF widget_pos)
{
    const auto cell = BodyCellAt(widget_pos);
    if (cell && *cell != current_)
        MoveCurrentCell(cell->col, cell->row, true, true);
}

void TCustomGrid::mousePressEvent(QMouseEvent* event)
{
    orr::guarded([&] {
        if (event->button() != Qt::LeftButton)
            return;
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        if (!IsActiveControl() || !BodyCellAt(event->position()))
            return;
        selecting_timer_.start();
        TrySelectAt(event->position());
    });
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* event)
{
    orr::guarded([&] {
        if (IsSelecting())
            TrySelectAt(event->position());
    });
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* event)
{
    orr::guarded([&] {
        if (event->button() != Qt::LeftButton || !IsSelecting())
            return;
        selecting_timer_.stop();
        TrySelectAt(event->position());
        NotifyClick();
    });
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    orr::guarded([&] {
        if (event->button() != Qt::LeftButton)
            return;
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        if (OnDblClick)
            OnDblClick(this);
    });
}

void TCustomGrid::SelectingTick()
{
    // The timer would scroll toward a pointer held outside the grid; every
    // cell of this grid is always in view, so there is nothing to scroll.
}

void TCustomGrid::AimAt(GridCell target)
{
    target.col = std::clamp(target.col, fixed_cols_, col_count_ - 1);
    target.row = std::clamp(target.row, fixed_rows_, row_count_ - 1);
    if (target == current_)
        return;
    MoveCurrentCell(target.col, target.row, true, true);
    NotifyClick();
}

void TCustomGrid::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int first_col = fixed_cols_;
    const int last_col = col_count_ - 1;
    const int first_row = fixed_rows_;
    const int last_row = row_count_ - 1;
    const int page = std::max(RowAxis().full_visible_count() - fixed_rows_, 1);
    GridCell target = current_;
    switch (event->key()) {
    case Qt::Key_Left: target.col = ctrl ? first_col : target.col - 1; break;
    case Qt::Key_Right: target.col = ctrl ? last_col : target.col + 1; break;
    case Qt::Key_Up: target.row = ctrl ? first_row : target.row - 1; break;
    case Qt::Key_Down: target.row = ctrl ? last_row : target.row + 1; break;
    case Qt::Key_Home: target = ctrl ? GridCell{first_col, first_row} : GridCell{first_col, target.row}; break;
    case Qt::Key_End: target = ctrl ? GridCell{last_col, last_row} : GridCell{last_col, target.row}; break;
    case Qt::Key_PageUp: target.row = ctrl ? first_row : target.row - page; break;
    case Qt::Key_PageDown: target.row = ctrl ? last_row : target.row + page; break;
    default: QFrame::keyPressEvent(event); return;
    }
    orr::guarded([&] { AimAt(target); });
}

void TCustomGrid::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    GridCell target = current_;
    if (delta < 0 && current_.row < row_count_ - 1)
        ++target.row;
    else if (delta > 0 && current_.row > fixed_rows_)
        --target.row;
    else
        return;
    orr::guarded([&] { AimAt(target); });
}

void TCustomGrid::focusInEvent(QFocusEvent* event)
{
    InvalidateCell(current_);
    QFrame::focusInEvent(event);
}

void TCustomGrid::focusOutEvent(QFocusEvent* event)
{
    InvalidateCell(current_);
    QFrame::focusOutEvent(event);
}
