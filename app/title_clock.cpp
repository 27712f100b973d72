#include "app/title_clock.h"

#include <QDate>

#include "app/main_form.h"

namespace {

QString two_digits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

} // namespace

QString clock_caption(const orr::LocalDateTime& moment, const QLocale& locale)
{
    const QDate date(moment.year, moment.month, moment.day);
    // The hours after midnight and after noon read 12.
    const int hour = moment.hour % 12 == 0 ? 12 : moment.hour % 12;
    return QString::fromLatin1(TMainForm1::kTitle) + QStringLiteral(" -    ") +
           locale.dayName(date.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ') +
           locale.monthName(moment.month, QLocale::LongFormat) + QLatin1Char(' ') + QString::number(moment.day) +
           QStringLiteral(", ") + QStringLiteral("%1").arg(moment.year, 4, 10, QLatin1Char('0')) +
           QStringLiteral(",  at  ") + two_digits(hour) + QLatin1Char(':') + two_digits(moment.minute) +
           QLatin1Char(':') + two_digits(moment.second) +
           (moment.hour < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM")) + QStringLiteral("  ");
}

void TMainForm1::Timer1Timer()
{
    const QString caption = clock_caption(orr::clock().now(), QLocale::system());
    // Written only on a change, so the title bar repaints once a second.
    if (caption != windowTitle())
        setWindowTitle(caption);
}
