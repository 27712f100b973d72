// The date a month grid holds and how that month maps onto its 7 x 7 cells:
// row 0 is the weekday heading, rows 1..6 hold the days.
#pragma once

#include "monthgrid/date_math.h"

namespace orr {

inline constexpr int kCalendarColumns = 7;
inline constexpr int kCalendarRows = 7;

struct GridCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

enum class DatePart { Year = 1, Month = 2, Day = 3 };

class MonthModel {
public:
    explicit MonthModel(CalendarDate today);

    const CalendarDate& held_date() const { return held_; }
    int first_cell_offset() const { return first_cell_offset_; }
    int start_of_week() const { return start_of_week_; }
    bool use_current_date() const { return use_current_date_; }

    // Year, month or day for index 1, 2 or 3; -1 for any other index.
    int date_part(int index) const;

    // Applies one date part. Returns false when the value is ignored (not above 0,
    // a month above 12, a day beyond the held month, an unknown index, or the
    // present value). Throws EConvertError, leaving everything unchanged, when the
    // result is no valid date. A change clears the follow-today flag.
    bool set_date_part(int index, int value);

    // Both return true when something changed and the layout must be rebuilt.
    bool set_start_of_week(int day);
    bool set_use_current_date(bool use, CalendarDate today);

    // Recomputes where day 1 stands; returns the cell of the held day.
    GridCell rebuild();

    // The day a body cell stands for, or 0 for a blank or heading cell.
    int day_at(GridCell cell) const;

    // The weekday (0 = Sunday .. 6 = Saturday) a column shows.
    int weekday_of_column(int col) const;

private:
    CalendarDate held_;
    int first_cell_offset_ = 1;
    int start_of_week_ = 0;
    bool use_current_date_ = true;
};

} // namespace orr
