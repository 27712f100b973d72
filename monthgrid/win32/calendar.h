// TCalendar for the Win32 shell: one month as a 7 x 7 grid with a weekday heading
// row and six rows of days, over the shared month grid. Weekday names come from
// the user's locale and are read again when the regional settings change. The window
// text names the month and year shown.
#pragma once

#include <windows.h>
#include <functional>
#include <string>

#include "monthgrid/month_grid.h"
#include "monthgrid/win32/custom_grid.h"

class TCalendar : public TCustomGrid {
public:
    // WS_CHILD | WS_VISIBLE with WS_EX_CLIENTEDGE, holding today's date.
    TCalendar(HWND parent, int control_id);

    // The month, its dates and its options, shared with the Qt grid. Setting a date
    // may throw orr::EConvertError for a combination that is no valid date.
    orr::MonthGrid& Core() { return static_cast<orr::MonthGrid&>(Grid()); }
    const orr::MonthGrid& Core() const { return static_cast<const orr::MonthGrid&>(Grid()); }

    std::function<void(TCalendar*)> OnChange;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void LoadWeekdayNames();
    // The window's text is the grid's name, its month and year, for a screen reader.
    void ShowName();
};
