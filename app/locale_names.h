// Weekday and month names as the user's regional settings spell them.
#pragma once

#include <string>

namespace orr {

class LocaleNames {
public:
    virtual ~LocaleNames() = default;
    virtual std::string LongDayName(int weekday) const = 0; // 1 = Sunday .. 7 = Saturday
    virtual std::string LongMonthName(int month) const = 0; // 1..12
};

} // namespace orr
