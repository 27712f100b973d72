#include "monthgrid/month_grid_table.h"

namespace orr {

int MonthGridTable::day_at(int row, int column) const
{
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return 0;
    return grid_.DayAt(column, row + kMonthHeadingRows);
}

int MonthGridTable::day_under(Point client) const
{
    const auto cell = grid_.CellAt(client);
    return cell ? grid_.DayAt(cell->col, cell->row) : 0;
}

int MonthGridTable::selected_day() const
{
    const GridCell current = grid_.CurrentCell();
    return grid_.DayAt(current.col, current.row);
}

std::string MonthGridTable::column_name(int column) const
{
    return column >= 0 && column < kColumns ? grid_.CellName(column, 0) : std::string();
}

std::string MonthGridTable::day_name(int day) const
{
    if (!has_day(day))
        return std::string();
    const GridCell cell = grid_.CellOfDay(day);
    return grid_.CellName(cell.col, cell.row);
}

int MonthGridTable::row_of(int day) const
{
    return has_day(day) ? grid_.CellOfDay(day).row - kMonthHeadingRows : -1;
}

int MonthGridTable::column_of(int day) const { return has_day(day) ? grid_.CellOfDay(day).col : -1; }

Rect MonthGridTable::rect_of(int day) const
{
    if (!has_day(day))
        return Rect();
    const GridCell cell = grid_.CellOfDay(day);
    return grid_.CellRect(cell.col, cell.row);
}

DayCellState MonthGridTable::state_of(int day, bool grid_focused) const
{
    if (!has_day(day))
        return DayCellState();
    const bool selected = selected_day() == day;
    return {.exists = true,
            .selectable = !grid_.ReadOnly(),
            .selected = selected,
            .focused = selected && grid_focused};
}

} // namespace orr
