// Weekday and month names from a Qt locale.
#pragma once

#include <QLocale>

#include "app/locale_names.h"

class QtLocaleNames : public orr::LocaleNames {
public:
    explicit QtLocaleNames(QLocale locale = QLocale::system()) : locale_(std::move(locale)) {}

    std::string LongDayName(int weekday) const override
    {
        // Qt counts 1 = Monday .. 7 = Sunday.
        return locale_.dayName(weekday == 1 ? 7 : weekday - 1, QLocale::LongFormat).toStdString();
    }
    std::string LongMonthName(int month) const override
    {
        return locale_.monthName(month, QLocale::LongFormat).toStdString();
    }

private:
    QLocale locale_;
};
