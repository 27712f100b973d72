#include "app/print/locale_weekdays.h"

#include "platform/locale_names.h"

namespace orr::print {

void use_locale_weekday_names(YearPage& page)
{
    // The list starts on Monday; locale_day_name counts 1 = Sunday.
    for (int i = 0; i < kDaysPerWeek; ++i)
        page.monday_first[i] = platform::locale_day_name((i + 1) % kDaysPerWeek + 1, true);
}

} // namespace orr::print
