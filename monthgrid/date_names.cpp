#include "monthgrid/date_names.h"

#include <array>

namespace orr {
namespace {

const std::array<std::string, kMonthsPerYear> kMonthNames{"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};

const std::array<std::string, kDaysPerWeek> kWeekdayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                          "Thursday", "Friday", "Saturday"};

} // namespace

const std::string& month_name(int month) { return kMonthNames.at(static_cast<std::size_t>(month - 1)); }

const std::string& weekday_name(int weekday) { return kWeekdayNames.at(static_cast<std::size_t>(weekday)); }

std::string month_and_year_name(int year, int month)
{
    return month_name(month) + ' ' + std::to_string(year);
}

std::string full_date_name(const CalendarDate& date)
{
    // day_of_week counts 1 = Sunday.
    return weekday_name(day_of_week(date) - 1) + ", " + std::to_string(date.day) + ' ' +
           month_and_year_name(date.year, date.month);
}

} // namespace orr
