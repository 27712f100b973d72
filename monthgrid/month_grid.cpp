#include "monthgrid/month_grid.h"

#include "core/clock.h"
#include "monthgrid/grid_canvas.h"

namespace orr {
namespace {

CalendarDate today()
{
    const LocalDateTime now = clock().now();
    return {now.year, now.month, now.day};
}

// True only while a scope runs, also when an error passes through it.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

MonthGrid::MonthGrid() : model_(today())
{
    SetFixedCols(0);
    SetFixedRows(kMonthHeadingRows);
    SetColCount(kMonthColumns);
    SetRowCount(kMonthRows);
    SetOptions(Options() | kDrawFocusSelected);
    RebuildLayout();
}

int MonthGrid::GetDatePart(int index) const
{
    const auto part = date_part_at(index);
    return part ? model_.date_part(*part) : -1;
}

void MonthGrid::SetDatePart(int index, int value)
{
    const auto part = date_part_at(index);
    if (!part || !model_.set_date_part(*part, value, ShownMonthDayCount()))
        return;
    RebuildLayout();
    if (OnHeldDateChange)
        OnHeldDateChange();
    NotifyChange();
}

void MonthGrid::SetStartOfWeek(int day)
{
    if (model_.set_start_of_week(day))
        RebuildLayout();
}

void MonthGrid::SetUseCurrentDate(bool use)
{
    const CalendarDate before = model_.held_date();
    if (!model_.set_use_current_date(use, today()))
        return;
    RebuildLayout();
    if (OnHeldDateChange && model_.held_date() != before)
        OnHeldDateChange();
}

std::string MonthGrid::DayCellText(int col, int row) const
{
    if (row < kMonthHeadingRows)
        return weekday_names_[model_.weekday_of_column(col)];
    const int day = DayIn({col, row});
    return day > 0 ? std::to_string(day) : std::string();
}

void MonthGrid::SetWeekdayNames(const WeekdayNames& monday_first)
{
    weekday_names_ = weekday_names_from_monday_first(monday_first);
    Invalidate();
}

std::string MonthGrid::AccessibleName() const { return month_and_year_name(Year(), Month()); }

std::string MonthGrid::CellName(int col, int row) const
{
    if (row < kMonthHeadingRows)
        return weekday_name(model_.weekday_of_column(col));
    const int day = DayIn({col, row});
    if (day <= 0)
        return std::string();
    // A grid that counts more days than its month has names the extra ones by number.
    return is_valid_date(Year(), Month(), day) ? full_date_name({Year(), Month(), day}) : std::to_string(day);
}

int MonthGrid::MonthDayCount(int year, int month) const
{
    return common_month_length(month) + (month == kFebruary && IsLeap(year) ? 1 : 0);
}

int MonthGrid::ShownMonthDayCount() const
{
    const CalendarDate& held = model_.held_date();
    return MonthDayCount(held.year, held.month);
}

bool MonthGrid::IsLeap(int year) const { return is_leap_year(year); }

void MonthGrid::RebuildLayout()
{
    const FlagScope rebuilding(rebuilding_);
    const GridCell held = model_.rebuild();
    MoveCurrentCell(held.col, held.row, false, false);
    Invalidate();
}

bool MonthGrid::CanSelectCell(int col, int row)
{
    if (!rebuilding_ && read_only_)
        return false;
    // Only a day can be selected: never a heading cell or a blank one.
    return DayIn({col, row}) > 0;
}

void MonthGrid::DrawCellContent(GridCanvas& canvas, int col, int row, const Rect& rect, DrawState) const
{
    // Headings and days differ only in the brush, edges and highlight the base chose.
    const std::string text = DayCellText(col, row);
    const Size extent = canvas.text_extent(text);
    const Point at{rect.left + (rect.width() - extent.width) / 2,
                   rect.top + (rect.height() - extent.height) / 2};
    canvas.text_rect(rect, at, text);
}

void MonthGrid::NotifyClick()
{
    GridBase::NotifyClick();
    // The day of the current cell: unchanged, and so silent, when a move was refused.
    const int day = DayIn(CurrentCell());
    if (day > 0)
        SetDay(day);
}

void MonthGrid::NotifyChange()
{
    if (OnChange)
        OnChange();
}

void MonthGrid::ClientSizeChanged(std::uint16_t width, std::uint16_t height)
{
    SetCellWidth(fitted_cell_extent(width, GridLineWidth(), kMonthColumns));
    SetCellHeight(fitted_cell_extent(height, GridLineWidth(), kMonthRows));
}

} // namespace orr
