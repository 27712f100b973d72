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

    int Year() const { return Core().Year(); }
    int Month() const { return Core().Month(); }
    int Day() const { return Core().Day(); }
    void SetYear(int value) { Core().SetYear(value); }
    void SetMonth(int value) { Core().SetMonth(value); }
    void SetDay(int value) { Core().SetDay(value); }
    int GetDatePart(int index) const { return Core().GetDatePart(index); }
    // Ignores values it cannot take; throws EConvertError for an invalid date.
    void SetDatePart(int index, int value) { Core().SetDatePart(index, value); }

    int StartOfWeek() const { return Core().StartOfWeek(); }
    void SetStartOfWeek(int day) { Core().SetStartOfWeek(day); }
    bool UseCurrentDate() const { return Core().UseCurrentDate(); }
    void SetUseCurrentDate(bool use);
    bool ReadOnly() const { return Core().ReadOnly(); }
    void SetReadOnly(bool read_only) { Core().SetReadOnly(read_only); }
    int FirstCellOffset() const { return Core().FirstCellOffset(); }
    int ShownMonthDayCount() const { return Core().ShownMonthDayCount(); }
    QString DayCellText(int col, int row) const
    {
        return QString::fromStdString(Core().DayCellText(col, row));
    }
    int DayAt(int col, int row) const { return Core().DayAt(col, row); }
    orr::GridCell CellOfDay(int day) const { return Core().CellOfDay(day); }
    // What a screen reader announces for the grid and for one of its cells.
    QString AccessibleName() const { return QString::fromStdString(Core().AccessibleName()); }
    QString CellName(int col, int row) const { return QString::fromStdString(Core().CellName(col, row)); }

    ChangeNotify OnChange;

protected:
    void changeEvent(QEvent* event) override;

private:
    orr::MonthGrid& Core() { return static_cast<orr::MonthGrid&>(Grid()); }
    const orr::MonthGrid& Core() const { return static_cast<const orr::MonthGrid&>(Grid()); }
    void LoadWeekdayNames();
};
