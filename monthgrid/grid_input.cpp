// How the grid base answers the mouse, the keys, the wheel and focus changes.
#include <algorithm>

#include "monthgrid/grid_base.h"

namespace orr {

std::optional<GridKey> grid_key(const GridKeyCodes& codes, int code)
{
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found == codes.end())
        return std::nullopt;
    return static_cast<GridKey>(found - codes.begin());
}

std::optional<GridCell> GridBase::BodyCellAt(Point at) const
{
    const auto cell = CellAt(at);
    if (!cell || cell->col < fixed_cols_ || cell->row < fixed_rows_)
        return std::nullopt;
    return cell;
}

void GridBase::TrySelectAt(Point at)
{
    const auto cell = BodyCellAt(at);
    if (cell && *cell != current_)
        MoveCurrentCell(cell->col, cell->row, true, true);
}

void GridBase::MouseDown(Point at, bool double_click)
{
    if (host_)
        host_->take_focus();
    if (!IsActiveControl())
        return;
    if (double_click) {
        if (OnDblClick)
            OnDblClick();
        return;
    }
    if (!BodyCellAt(at))
        return;
    selecting_ = true;
    TrySelectAt(at);
}

void GridBase::MouseMove(Point at)
{
    if (selecting_)
        TrySelectAt(at);
}

void GridBase::MouseUp(Point at)
{
    if (!selecting_)
        return;
    // Leave the gesture before the last attempt, so that an error on the way
    // cannot keep the grid selecting with the button up.
    selecting_ = false;
    TrySelectAt(at);
    NotifyClick();
}

void GridBase::CancelGesture() { selecting_ = false; }

void GridBase::AimAt(GridCell target)
{
    target.col = std::clamp(target.col, fixed_cols_, col_count_ - 1);
    target.row = std::clamp(target.row, fixed_rows_, row_count_ - 1);
    if (target == current_)
        return;
    MoveCurrentCell(target.col, target.row, true, true);
    NotifyClick();
}

void GridBase::KeyDown(GridKey key, bool ctrl)
{
    const int first_col = fixed_cols_;
    const int last_col = col_count_ - 1;
    const int first_row = fixed_rows_;
    const int last_row = row_count_ - 1;
    // A page is the body rows in view, at least one.
    const int page = std::max(RowAxis().full_visible_count() - fixed_rows_, 1);
    GridCell target = current_;
    switch (key) {
    case GridKey::Left: target.col = ctrl ? first_col : target.col - 1; break;
    case GridKey::Right: target.col = ctrl ? last_col : target.col + 1; break;
    case GridKey::Up: target.row = ctrl ? first_row : target.row - 1; break;
    case GridKey::Down: target.row = ctrl ? last_row : target.row + 1; break;
    case GridKey::Home: target = {first_col, ctrl ? first_row : target.row}; break;
    case GridKey::End: target = {last_col, ctrl ? last_row : target.row}; break;
    case GridKey::PageUp: target.row = ctrl ? first_row : target.row - page; break;
    case GridKey::PageDown: target.row = ctrl ? last_row : target.row + page; break;
    }
    AimAt(target);
}

void GridBase::Wheel(int delta)
{
    GridCell target = current_;
    if (delta < 0 && current_.row < row_count_ - 1)
        ++target.row;
    else if (delta > 0 && current_.row > fixed_rows_)
        --target.row;
    else
        return;
    AimAt(target);
}

void GridBase::FocusChanged()
{
    // The focus rectangle comes or goes with the focus.
    InvalidateCell(current_);
}

} // namespace orr
