#include "monthgrid/qt/calendar.h"

#include <QEvent>
#include <QLocale>

#include "core/event_guard.h"
#include "monthgrid/qt/calendar_accessible.h"

namespace {

constexpr int kMonday = 1; // QLocale counts 1 = Monday .. 7 = Sunday

} // namespace

TCalendar::TCalendar(QWidget* owner) : TCustomGrid(owner, std::make_unique<orr::MonthGrid>())
{
    install_calendar_accessibility();
    Core().OnHeldDateChange = [this] { announce_calendar_change(this); };
    Core().OnChange = orr::raiser(OnChange, this);
    LoadWeekdayNames();
}

void TCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        orr::guarded([this] { LoadWeekdayNames(); });
    TCustomGrid::changeEvent(event);
}

void TCalendar::LoadWeekdayNames()
{
    const QLocale locale;
    orr::WeekdayNames monday_first;
    for (int i = 0; i < orr::kDaysPerWeek; ++i)
        monday_first[i] = locale.dayName(kMonday + i, QLocale::ShortFormat).toStdString();
    Core().SetWeekdayNames(monday_first);
}
