// The abbreviated weekday names of the heading row. Each shell reads them from its
// locale, Monday first as both platforms list them; names it cannot get fall back.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "monthgrid/date_math.h"

namespace orr {

// Indexed by weekday, 0 = Sunday .. 6 = Saturday.
using WeekdayNames = std::array<std::string, kDaysPerWeek>;

// "Sun" .. "Sat".
const WeekdayNames& fallback_weekday_names();

// monday_first[0] is Monday's name, [6] Sunday's; an empty name takes its fallback.
WeekdayNames weekday_names_from_monday_first(const WeekdayNames& monday_first);

// The names name_of gives for 1 = Sunday .. 7 = Saturday, listed Monday first.
WeekdayNames monday_first_names(const std::function<std::string(int weekday)>& name_of);

} // namespace orr
