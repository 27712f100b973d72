// A month grid as a screen reader meets it: a table whose six rows are the body rows and
// whose children are the days of the shown month in date order, each named by its date,
// placed where the grid draws it. The weekday heading describes the columns. A shell's
// accessible tree reads every name, place and state from here.
#pragma once

#include <string>

#include "monthgrid/month_grid.h"

namespace orr {

struct DayCellState {
    bool exists = false; // the shown month has the day
    bool selectable = false;
    bool selected = false;
    bool focused = false;
    friend bool operator==(const DayCellState&, const DayCellState&) = default;
};

class MonthGridTable {
public:
    explicit MonthGridTable(const MonthGrid& grid) : grid_(grid) {}

    static constexpr int kColumns = kMonthColumns;
    static constexpr int kRows = kMonthBodyRows;

    // The days are the table's children: day d is child d - 1.
    int day_count() const { return grid_.ShownMonthDayCount(); }
    bool has_day(int day) const { return day >= 1 && day <= day_count(); }

    // The day at a row and column of the table, under a client point, or selected;
    // 0 for none (outside the table, the heading or a blank cell).
    int day_at(int row, int column) const;
    int day_under(Point client) const;
    int selected_day() const;

    // The weekday in full, or nothing outside the table.
    std::string column_name(int column) const;

    // For a day the shown month has; nothing or -1 for any other.
    std::string day_name(int day) const;
    int row_of(int day) const;
    int column_of(int day) const;
    Rect rect_of(int day) const;
    // grid_focused: the platform's focus is on the grid.
    DayCellState state_of(int day, bool grid_focused) const;

private:
    const MonthGrid& grid_;
};

} // namespace orr
