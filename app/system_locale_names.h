// The names both programs' windows give the caption: the system locale's, over the
// interface that asks for them (LocaleNames, or a view that is one).
#pragma once

#include "app/locale_names.h"
#include "platform/locale_names.h"

namespace orr {

template <typename Names = LocaleNames>
class SystemLocaleNames : public Names {
public:
    std::string LongDayName(int weekday) const override { return platform::locale_day_name(weekday, false); }
    std::string LongMonthName(int month) const override { return platform::locale_month_name(month); }
};

} // namespace orr
