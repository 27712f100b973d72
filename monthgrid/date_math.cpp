#include "monthgrid/date_math.h"

#include <array>

#include "core/error.h"

namespace orr {

namespace {

constexpr std::array<int, kMonthsPerYear> kCommonMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

int common_month_length(int month) { return kCommonMonthLengths[month - 1]; }

int days_in_month(int year, int month)
{
    return common_month_length(month) + (month == kFebruary && is_leap_year(year) ? 1 : 0);
}

bool is_valid_date(int year, int month, int day)
{
    return year >= kMinYear && year <= kMaxYear && month >= 1 && month <= kMonthsPerYear && day >= 1 &&
           day <= days_in_month(year, month);
}

CalendarDate encode_date(int year, int month, int day)
{
    if (!is_valid_date(year, month, day))
        throw EConvertError(kDateEncodeMessage);
    return {year, month, day};
}

int day_of_week(const CalendarDate& date)
{
    // Days since 1 January of year 1, which was a Monday in the proleptic calendar.
    const int y = date.year - 1;
    long days = 365L * y + y / 4 - y / 100 + y / 400;
    for (int m = 1; m < date.month; ++m)
        days += days_in_month(date.year, m);
    days += date.day - 1;
    return static_cast<int>((days + 1) % kDaysPerWeek) + 1;
}

} // namespace orr
