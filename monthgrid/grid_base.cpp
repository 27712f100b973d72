#include "monthgrid/grid_base.h"

#include <algorithm>

#include "core/error.h"

namespace orr {
namespace {

constexpr int kDefaultCount = 5;
constexpr int kDefaultCellWidth = 64;
constexpr int kDefaultCellHeight = 24;
constexpr const char* kFixedColsMessage = "Fixed column count must be less than column count";
constexpr const char* kFixedRowsMessage = "Fixed row count must be less than row count";

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
        throw EInvalidGridOperation(kGridIndexMessage);
    if (wanted >= count)
        throw EInvalidGridOperation(too_many);
}

} // namespace

GridBase::GridBase()
    : col_count_(kDefaultCount), row_count_(kDefaultCount), cell_width_(kDefaultCellWidth),
      cell_height_(kDefaultCellHeight), default_size_{kDefaultCount * kDefaultCellWidth,
                                                      kDefaultCount * kDefaultCellHeight}
{}

void GridBase::SetColCount(int count)
{
    fit_count(col_count_, fixed_cols_, current_.col, count);
    Invalidate();
}

void GridBase::SetRowCount(int count)
{
    fit_count(row_count_, fixed_rows_, current_.row, count);
    Invalidate();
}

void GridBase::SetFixedCols(int count)
{
    check_fixed_count(count, col_count_, kFixedColsMessage);
    fixed_cols_ = count;
    ResetCurrentCell();
}

void GridBase::SetFixedRows(int count)
{
    check_fixed_count(count, row_count_, kFixedRowsMessage);
    fixed_rows_ = count;
    ResetCurrentCell();
}

void GridBase::ResetCurrentCell()
{
    current_ = {fixed_cols_, fixed_rows_};
    Invalidate();
}

void GridBase::SetCellWidth(int width)
{
    if (width == cell_width_)
        return;
    cell_width_ = width;
    Invalidate();
}

void GridBase::SetCellHeight(int height)
{
    if (height == cell_height_)
        return;
    cell_height_ = height;
    Invalidate();
}

void GridBase::SetGridLineWidth(int width)
{
    // The cells keep their size until the next size message.
    if (width == line_width_)
        return;
    line_width_ = width;
    Invalidate();
}

void GridBase::SetColor(Colour colour)
{
    if (colour == color_)
        return;
    color_ = colour;
    Invalidate();
}

void GridBase::SetHeadingColor(Colour colour)
{
    if (colour == heading_color_)
        return;
    heading_color_ = colour;
    Invalidate();
}

void GridBase::SetFontColor(Colour colour)
{
    if (colour == font_color_)
        return;
    font_color_ = colour;
    Invalidate();
}

void GridBase::SetOptions(GridOptions options)
{
    if (options == options_)
        return;
    options_ = options;
    Invalidate();
}

void GridBase::SetCtl3D(bool on)
{
    if (on == ctl3d_)
        return;
    ctl3d_ = on;
    Invalidate();
}

GridAxis GridBase::ColumnAxis() const
{
    const bool lines = HasOption(kHeadingVertLine) || HasOption(kVertLine);
    return {col_count_, fixed_cols_, cell_width_, lines ? line_width_ : 0, client_.width};
}

GridAxis GridBase::RowAxis() const
{
    const bool lines = HasOption(kHeadingHorzLine) || HasOption(kHorzLine);
    return {row_count_, fixed_rows_, cell_height_, lines ? line_width_ : 0, client_.height};
}

Rect GridBase::CellRect(int col, int row) const
{
    const GridAxis x = ColumnAxis();
    const GridAxis y = RowAxis();
    return {x.start(col), y.start(row), x.end(col), y.end(row)};
}

std::optional<GridCell> GridBase::CellAt(Point at) const
{
    const int col = ColumnAxis().cell_at(at.x);
    const int row = RowAxis().cell_at(at.y);
    if (col < 0 || row < 0)
        return std::nullopt;
    return GridCell{col, row};
}

void GridBase::MoveCurrentCell(int col, int row, bool /*move_anchor*/, bool /*show*/)
{
    if (col < 0 || row < 0 || col >= col_count_ || row >= row_count_)
        throw EInvalidGridOperation(kGridIndexMessage);
    if (!CanSelectCell(col, row))
        return;
    const GridCell old = current_;
    current_ = {col, row};
    InvalidateCell(old);
    InvalidateCell(current_);
}

void GridBase::Resize(std::uint16_t client_width, std::uint16_t client_height)
{
    const Size client{client_width, client_height};
    if (client != client_) {
        // The strips at the right and bottom move with the client's edges.
        client_ = client;
        Invalidate();
    }
    ClientSizeChanged(client_width, client_height);
}

void GridBase::Resize(Size client)
{
    Resize(static_cast<std::uint16_t>(std::max(client.width, 0)),
           static_cast<std::uint16_t>(std::max(client.height, 0)));
}

void GridBase::ClientSizeChanged(std::uint16_t, std::uint16_t) {}

void GridBase::Invalidate()
{
    if (host_)
        host_->invalidate_all();
}

void GridBase::InvalidateCell(GridCell cell)
{
    if (host_)
        host_->invalidate(CellRect(cell.col, cell.row));
}

bool GridBase::CanSelectCell(int, int) { return true; }

void GridBase::DrawCellContent(GridCanvas&, int, int, const Rect&, DrawState) const {}

void GridBase::NotifyClick()
{
    if (OnClick)
        OnClick();
}

} // namespace orr
