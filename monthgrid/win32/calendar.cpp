#include "monthgrid/win32/calendar.h"

#include "platform/locale_names.h"
#include "platform/win32/wide_text.h"

TCalendar::TCalendar(HWND parent, int control_id)
    : TCustomGrid(parent, control_id, std::make_unique<orr::MonthGrid>())
{
    Core().OnHeldDateChange = [this] { ShowName(); };
    Core().OnChange = orr::raiser(OnChange, this);
    LoadWeekdayNames();
    ShowName();
}

void TCalendar::ShowName()
{
    SetWindowTextW(Handle(), orr::platform::to_wide(Core().AccessibleName()).c_str());
}

LRESULT TCalendar::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    // WM_WININICHANGE is the same message: the regional settings may have changed.
    if (message == WM_SETTINGCHANGE)
        LoadWeekdayNames();
    return TCustomGrid::HandleMessage(message, wparam, lparam);
}

void TCalendar::LoadWeekdayNames()
{
    Core().SetWeekdayNames(
        orr::monday_first_names([](int weekday) { return orr::platform::locale_day_name(weekday, true); }));
}
