#include "monthgrid/win32/calendar.h"

#include <array>

#include "monthgrid/win32/window_text.h"

namespace {

constexpr int kLocaleNameChars = 80;

} // namespace

TCalendar::TCalendar(HWND parent, int control_id)
    : TCustomGrid(parent, control_id, std::make_unique<orr::MonthGrid>())
{
    Core().OnHeldDateChange = [this] { ShowName(); };
    Core().OnChange = orr::raiser(OnChange, this);
    LoadWeekdayNames();
    ShowName();
}

void TCalendar::ShowName() { set_window_text(Handle(), Core().AccessibleName()); }

LRESULT TCalendar::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    // WM_WININICHANGE is the same message: the regional settings may have changed.
    if (message == WM_SETTINGCHANGE)
        LoadWeekdayNames();
    return TCustomGrid::HandleMessage(message, wparam, lparam);
}

void TCalendar::LoadWeekdayNames()
{
    // LOCALE_SABBREVDAYNAME1 .. 7 run from Monday to Sunday.
    orr::WeekdayNames monday_first;
    for (int i = 0; i < orr::kDaysPerWeek; ++i) {
        std::array<char, kLocaleNameChars> name{};
        if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVDAYNAME1 + i, name.data(), kLocaleNameChars) >
            0)
            monday_first[i] = name.data();
    }
    Core().SetWeekdayNames(monday_first);
}
