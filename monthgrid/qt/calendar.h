// TCalendar for the Qt shell: one month as a 7 x 7 grid with a weekday heading row
// and six rows of days, over the shared month grid. Weekday names come from QLocale;
// a screen reader meets it as a table of its days (calendar_accessible.h).
#pragma once

#include <QString>
#include <functional>

#include "monthgrid/month_grid.h"
#include "monthgrid/qt/custom_grid.h"

class TCalendar : public TCustomGrid {
    Q_OBJECT

public:
    using ChangeNotify = std::function<void(TCalendar*)>;

    explicit TCalendar(QWidget* owner = nullptr);

    // The month, its dates and its options, shared with the Win32 grid.
    orr::MonthGrid& Core() { return static_cast<orr::MonthGrid&>(Grid()); }
    const orr::MonthGrid& Core() const { return static_cast<const orr::MonthGrid&>(Grid()); }
    // Set here rather than on the core, so a screen reader hears of today's date.
    void SetUseCurrentDate(bool use);

    // What a screen reader announces for the grid and for one of its cells.
    QString AccessibleName() const { return QString::fromStdString(Core().AccessibleName()); }
    QString CellName(int col, int row) const { return QString::fromStdString(Core().CellName(col, row)); }

    ChangeNotify OnChange;

protected:
    void changeEvent(QEvent* event) override;

private:
    void LoadWeekdayNames();
};
