#include "monthgrid/month_model.h"

namespace orr {
namespace {

int wrap_weekday(int n) { return (n % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek; }

} // namespace

std::optional<DatePart> date_part_at(int index)
{
    switch (static_cast<DatePart>(index)) {
    case DatePart::Year:
    case DatePart::Month:
    case DatePart::Day: return static_cast<DatePart>(index);
    }
    return std::nullopt;
}

MonthModel::MonthModel(CalendarDate today) : held_(today) { rebuild(); }

int MonthModel::date_part(DatePart part) const
{
    switch (part) {
    case DatePart::Year: return held_.year;
    case DatePart::Month: return held_.month;
    case DatePart::Day: return held_.day;
    }
    return -1;
}

bool MonthModel::set_date_part(DatePart part, int value, int held_month_days)
{
    if (value <= 0)
        return false;
    CalendarDate next = held_;
    switch (part) {
    case DatePart::Year:
        if (value == next.year)
            return false;
        next.year = value;
        break;
    case DatePart::Month:
        if (value > kMonthsPerYear || value == next.month)
            return false;
        next.month = value;
        break;
    case DatePart::Day:
        if (value > held_month_days || value == next.day)
            return false;
        next.day = value;
        break;
    }
    held_ = encode_date(next.year, next.month, next.day);
    use_current_date_ = false;
    return true;
}

bool MonthModel::set_start_of_week(int day)
{
    // A weekday outside 0..6 counts round the week, as the layout would anyway.
    day = wrap_weekday(day);
    if (day == start_of_week_)
        return false;
    start_of_week_ = day;
    return true;
}

bool MonthModel::set_use_current_date(bool use, CalendarDate today)
{
    if (use == use_current_date_)
        return false;
    use_current_date_ = use;
    if (!use)
        return false;
    held_ = today;
    return true;
}

GridCell MonthModel::rebuild()
{
    // Day 1 always stands in the first body row, in the column of its weekday.
    const int w = day_of_week({held_.year, held_.month, 1});
    first_cell_offset_ = 1 - wrap_weekday(w - 1 - start_of_week_);
    return cell_of_day(held_.day);
}

GridCell MonthModel::cell_of_day(int day) const
{
    const int k = day - first_cell_offset_;
    return {k % kDaysPerWeek, k / kDaysPerWeek + kMonthHeadingRows};
}

int MonthModel::day_at(GridCell cell, int held_month_days) const
{
    if (cell.row < kMonthHeadingRows)
        return 0;
    const int n = first_cell_offset_ + cell.col + (cell.row - kMonthHeadingRows) * kDaysPerWeek;
    return n >= 1 && n <= held_month_days ? n : 0;
}

int MonthModel::weekday_of_column(int col) const { return wrap_weekday(col + start_of_week_); }

} // namespace orr
