#include "monthgrid/weekday_names.h"

namespace orr {

const WeekdayNames& fallback_weekday_names()
{
    static const WeekdayNames names{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    return names;
}

WeekdayNames weekday_names_from_monday_first(const WeekdayNames& monday_first)
{
    WeekdayNames names;
    for (int i = 0; i < kDaysPerWeek; ++i) {
        const int weekday = (i + 1) % kDaysPerWeek;
        const std::string& supplied = monday_first[i];
        names[weekday] = supplied.empty() ? fallback_weekday_names()[weekday] : supplied;
    }
    return names;
}

WeekdayNames monday_first_names(const std::function<std::string(int weekday)>& name_of)
{
    WeekdayNames names;
    for (int i = 0; i < kDaysPerWeek; ++i)
        names[i] = name_of((i + 1) % kDaysPerWeek + 1);
    return names;
}

} // namespace orr
