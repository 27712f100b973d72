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

    int Year() const { return Core().Year(); }
    int Month() const { return Core().Month(); }
    int Day() const { return Core().Day(); }
    // These may throw orr::EConvertError for a combination that is no valid date.
    void SetYear(int value) { Core().SetYear(value); }
    void SetMonth(int value) { Core().SetMonth(value); }
    void SetDay(int value) { Core().SetDay(value); }
    void SetDatePart(int index, int value) { Core().SetDatePart(index, value); }
    int GetDatePart(int index) const { return Core().GetDatePart(index); }

    bool ReadOnly() const { return Core().ReadOnly(); }
    void SetReadOnly(bool read_only) { Core().SetReadOnly(read_only); }
    int StartOfWeek() const { return Core().StartOfWeek(); }
    void SetStartOfWeek(int day) { Core().SetStartOfWeek(day); }
    bool UseCurrentDate() const { return Core().UseCurrentDate(); }
    void SetUseCurrentDate(bool use);
    int FirstCellOffset() const { return Core().FirstCellOffset(); }
    int ShownMonthDayCount() const { return Core().ShownMonthDayCount(); }
    std::string DayCellText(int col, int row) const { return Core().DayCellText(col, row); }

    std::function<void(TCalendar*)> OnChange;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    orr::MonthGrid& Core() { return static_cast<orr::MonthGrid&>(Grid()); }
    const orr::MonthGrid& Core() const { return static_cast<const orr::MonthGrid&>(Grid()); }
    void LoadWeekdayNames();
    // The window's text is the grid's name, its month and year, for a screen reader.
    void ShowName();
};
