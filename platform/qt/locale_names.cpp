// Linux: the names of Qt's default locale, the system's unless a program sets another.
#include "platform/locale_names.h"

#include <QLocale>

namespace orr::platform {

std::string locale_day_name(int weekday, bool abbreviated)
{
    // Qt counts 1 = Monday .. 7 = Sunday.
    return QLocale()
        .dayName(weekday == 1 ? 7 : weekday - 1, abbreviated ? QLocale::ShortFormat : QLocale::LongFormat)
        .toStdString();
}

std::string locale_month_name(int month)
{
    return QLocale().monthName(month, QLocale::LongFormat).toStdString();
}

} // namespace orr::platform
