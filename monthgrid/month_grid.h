// The month grid on the grid base, for both shells: its held date and layout,
// which cells may be selected, what a click does, the change notification, its
// cell drawing and its rule for sizing cells from the client area.
#pragma once

#include <functional>
#include <string>

#include "monthgrid/date_names.h"
#include "monthgrid/grid_base.h"
#include "monthgrid/month_model.h"
#include "monthgrid/weekday_names.h"

namespace orr {

class MonthGrid : public GridBase {
public:
    // Holds today's date from the program's clock.
    MonthGrid();

    // Year, month or day for index 1, 2 or 3 (DatePart); -1 for any other index.
    int GetDatePart(int index) const;
    // Ignores values it cannot take; throws EConvertError for a combination that is
    // no valid date, changing nothing.
    void SetDatePart(int index, int value);
    int Year() const { return model_.date_part(DatePart::Year); }
    int Month() const { return model_.date_part(DatePart::Month); }
    int Day() const { return model_.date_part(DatePart::Day); }
    void SetYear(int value) { SetDatePart(static_cast<int>(DatePart::Year), value); }
    void SetMonth(int value) { SetDatePart(static_cast<int>(DatePart::Month), value); }
    void SetDay(int value) { SetDatePart(static_cast<int>(DatePart::Day), value); }

    int StartOfWeek() const { return model_.start_of_week(); }
    void SetStartOfWeek(int day);
    bool UseCurrentDate() const { return model_.use_current_date(); }
    void SetUseCurrentDate(bool use);
    bool ReadOnly() const { return read_only_; }
    void SetReadOnly(bool read_only) { read_only_ = read_only; }
    int FirstCellOffset() const { return model_.first_cell_offset(); }

    // A weekday name in the heading row, a day number or nothing in the body.
    std::string DayCellText(int col, int row) const;
    // The names the shell read from its locale; empty names fall back.
    void SetWeekdayNames(const WeekdayNames& monday_first);

    // The day a cell shows, or 0 for a heading cell or a blank one.
    int DayAt(int col, int row) const { return DayIn({col, row}); }
    // The cell of a day of the shown month (1..ShownMonthDayCount).
    GridCell CellOfDay(int day) const { return model_.cell_of_day(day); }
    // What a screen reader announces: the grid by its month and year, a day cell by
    // its date, a heading cell by its weekday in full; a blank cell has no name.
    std::string AccessibleName() const;
    std::string CellName(int col, int row) const;

    virtual int MonthDayCount(int year, int month) const;
    virtual int ShownMonthDayCount() const;
    virtual bool IsLeap(int year) const;
    virtual void RebuildLayout();

    bool CanSelectCell(int col, int row) override;
    void DrawCellContent(GridCanvas& canvas, int col, int row, const Rect& rect,
                         DrawState state) const override;
    void NotifyClick() override;
    virtual void NotifyChange();

    std::function<void()> OnChange;
    // Raised whenever the held date changes, also when UseCurrentDate brings today back
    // without OnChange: the names a screen reader announces change with it.
    std::function<void()> OnHeldDateChange;

protected:
    // Seven cells and six lines share each axis of the client.
    void ClientSizeChanged(std::uint16_t width, std::uint16_t height) override;

private:
    int DayIn(GridCell cell) const { return model_.day_at(cell, ShownMonthDayCount()); }

    MonthModel model_;
    bool read_only_ = false;
    bool rebuilding_ = false; // lets RebuildLayout move the selection of a read-only grid
    WeekdayNames weekday_names_ = fallback_weekday_names();
};

} // namespace orr
