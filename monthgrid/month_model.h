// The date a month grid holds and how that month maps onto its 7 x 7 cells:
// row 0 is the weekday heading, rows 1..6 hold the days.
#pragma once

#include <optional>

#include "monthgrid/date_math.h"
#include "monthgrid/grid_geometry.h"

namespace orr {

inline constexpr int kMonthColumns = kDaysPerWeek;
inline constexpr int kMonthHeadingRows = 1;
inline constexpr int kMonthBodyRows = 6; // enough for a 31-day month starting on the last column
inline constexpr int kMonthRows = kMonthHeadingRows + kMonthBodyRows;

// The published index of each part: Year = 1, Month = 2, Day = 3.
enum class DatePart { Year = 1, Month = 2, Day = 3 };

// The part an index names, or nothing for any other index.
std::optional<DatePart> date_part_at(int index);

class MonthModel {
public:
    explicit MonthModel(CalendarDate today);

    const CalendarDate& held_date() const { return held_; }
    int first_cell_offset() const { return first_cell_offset_; }
    int start_of_week() const { return start_of_week_; }
    bool use_current_date() const { return use_current_date_; }

    int date_part(DatePart part) const;

    // Applies one date part; held_month_days is the length of the month held now.
    // Returns false when the value is ignored (not above 0, a month above 12, a day
    // beyond the held month, or the present value). Throws EConvertError, leaving
    // everything unchanged, when the result is no valid date. A change clears the
    // follow-today flag.
    bool set_date_part(DatePart part, int value, int held_month_days);

    // Both return true when something changed and the layout must be rebuilt.
    // The start of week is 0 = Sunday .. 6 = Saturday; other values wrap round.
    bool set_start_of_week(int day);
    bool set_use_current_date(bool use, CalendarDate today);

    // Recomputes where day 1 stands; returns the cell of the held day.
    GridCell rebuild();

    // The cell a day of the held month stands in, as the last rebuild laid it out.
    GridCell cell_of_day(int day) const;

    // The day a cell stands for, or 0 for a heading cell or a blank one
    // (before day 1 or past held_month_days).
    int day_at(GridCell cell, int held_month_days) const;

    // The weekday (0 = Sunday .. 6 = Saturday) a column shows.
    int weekday_of_column(int col) const;

private:
    CalendarDate held_;
    int first_cell_offset_ = 1;
    int start_of_week_ = 0;
    bool use_current_date_ = true;
};

} // namespace orr
