// TCalendar for the Qt shell: one month as a 7 x 7 grid with a weekday heading row
// and six rows of days, over the shared month grid. Weekday names come from the locale;
// a screen reader meets it as a table of its days (calendar_accessible.h).
#pragma once

#include <functional>

#include "monthgrid/month_grid.h"
#include "monthgrid/qt/custom_grid.h"

class TCalendar : public TCustomGrid {
    Q_OBJECT

public:
    explicit TCalendar(QWidget* owner = nullptr);

    // The month, its dates and its options, shared with the Win32 grid.
    orr::MonthGrid& Core() { return static_cast<orr::MonthGrid&>(Grid()); }
    const orr::MonthGrid& Core() const { return static_cast<const orr::MonthGrid&>(Grid()); }

    std::function<void(TCalendar*)> OnChange;

protected:
    void changeEvent(QEvent* event) override;

private:
    void LoadWeekdayNames();
};
