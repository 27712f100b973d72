#include "app/print/locale_weekdays.h"

#include "monthgrid/weekday_names.h"
#include "platform/locale_names.h"

namespace orr::print {

void use_locale_weekday_names(YearPage& page)
{
    page.monday_first = monday_first_names(
        [](int weekday) { return platform::locale_day_name(weekday, true); });
}

} // namespace orr::print
