// The English names of months, weekdays and whole dates that the month labels show and
// a screen reader announces for a month grid and its day cells, decided once for both
// shells. They do not follow the locale: the program's captions are English.
#pragma once

#include <string>

#include "monthgrid/date_math.h"

namespace orr {

// "January" .. "December", for month 1..12.
const std::string& month_name(int month);
// "Sunday" .. "Saturday", for weekday 0 = Sunday .. 6 = Saturday.
const std::string& weekday_name(int weekday);

// "December 2026": how a month grid is announced.
std::string month_and_year_name(int year, int month);
// "Tuesday, 8 December 2026": how a day cell is announced; the date must be valid.
std::string full_date_name(const CalendarDate& date);

} // namespace orr
