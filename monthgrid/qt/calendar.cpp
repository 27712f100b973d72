#include "monthgrid/qt/calendar.h"

#include <QEvent>

#include "core/event_guard.h"
#include "monthgrid/qt/calendar_accessible.h"
#include "platform/locale_names.h"

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
    Core().SetWeekdayNames(
        orr::monday_first_names([](int weekday) { return orr::platform::locale_day_name(weekday, true); }));
}
