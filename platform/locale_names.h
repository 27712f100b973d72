// Weekday and month names as the user's regional settings spell them.
#pragma once

#include <string>

namespace orr::platform {

// 1 = Sunday .. 7 = Saturday; abbreviated as a calendar's heading shows it, or in full.
std::string locale_day_name(int weekday, bool abbreviated);
// 1 .. 12, in full.
std::string locale_month_name(int month);

} // namespace orr::platform
