// Windows: the user's default locale, read anew at each call so that changed regional
// settings show at once.
#include "platform/locale_names.h"

#include <windows.h>

namespace orr::platform {

namespace {

std::string locale_text(LCTYPE item)
{
    char text[80] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) > 0 ? text : "";
}

} // namespace

std::string locale_day_name(int weekday, bool abbreviated)
{
    // The locale counts its day names 1 = Monday .. 7 = Sunday.
    const auto monday_based = static_cast<LCTYPE>((weekday + 5) % 7);
    return locale_text((abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + monday_based);
}

std::string locale_month_name(int month)
{
    return locale_text(LOCALE_SMONTHNAME1 + static_cast<LCTYPE>(month - 1));
}

} // namespace orr::platform
