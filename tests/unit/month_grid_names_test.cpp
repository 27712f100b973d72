// The names a screen reader announces for a month grid, its day cells and its heading,
// and where each day stands, as both shells take them from the shared grid.
#include <gtest/gtest.h>

#include "core/clock.h"
#include "monthgrid/date_names.h"
#include "monthgrid/month_grid.h"

using namespace orr;

namespace {

struct NamedDate {
    CalendarDate date;
    const char* name;
};

class FullDateNames : public ::testing::TestWithParam<NamedDate> {};

TEST_P(FullDateNames, WeekdayDayMonthAndYearInFull)
{
    EXPECT_EQ(full_date_name(GetParam().date), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(EdgesOfTheCalendar, FullDateNames,
                         ::testing::Values(NamedDate{{2026, 12, 8}, "Tuesday, 8 December 2026"},
                                           NamedDate{{1, 1, 1}, "Monday, 1 January 1"},
                                           NamedDate{{2000, 2, 29}, "Tuesday, 29 February 2000"},
                                           NamedDate{{1900, 3, 1}, "Thursday, 1 March 1900"},
                                           NamedDate{{2026, 2, 1}, "Sunday, 1 February 2026"},
                                           NamedDate{{9999, 12, 31}, "Friday, 31 December 9999"}));

class MonthGridNames : public ::testing::Test {
protected:
    void SetUp() override { set_clock(&clock_); } // 10 February 2026
    void TearDown() override { set_clock(nullptr); }

    FixedClock clock_{{2026, 2, 10, 12, 0, 0, 0}};
};

TEST_F(MonthGridNames, GridGoesByItsMonthAndYearAndFollowsThem)
{
    MonthGrid grid;
    EXPECT_EQ(grid.AccessibleName(), "February 2026");
    grid.SetDay(1);
    grid.SetMonth(9);
    grid.SetYear(1752);
    EXPECT_EQ(grid.AccessibleName(), "September 1752");
}

TEST_F(MonthGridNames, CellsNameTheirDateHeadingsTheirWeekdayBlanksNothing)
{
    MonthGrid grid;
    grid.SetStartOfWeek(1); // Monday first: 1 February 2026, a Sunday, ends the first row
    EXPECT_EQ(grid.CellName(0, 0), "Monday");
    EXPECT_EQ(grid.CellName(6, 0), "Sunday");
    EXPECT_EQ(grid.CellName(6, 1), "Sunday, 1 February 2026");
    EXPECT_EQ(grid.CellName(0, 1), "");
    EXPECT_EQ(grid.CellName(6, 5), "");
    EXPECT_EQ(grid.CellName(5, 5), "Saturday, 28 February 2026");
}

TEST_F(MonthGridNames, EveryDayStandsInTheCellThatShowsIt)
{
    MonthGrid grid;
    grid.SetDay(1);
    for (int start = 0; start < kDaysPerWeek; ++start) {
        grid.SetStartOfWeek(start);
        for (int month = 1; month <= kMonthsPerYear; ++month) {
            grid.SetMonth(month);
            for (int day = 1; day <= grid.ShownMonthDayCount(); ++day) {
                const GridCell cell = grid.CellOfDay(day);
                ASSERT_EQ(grid.DayAt(cell.col, cell.row), day) << start << " " << month << " " << day;
                EXPECT_EQ(grid.CellName(cell.col, cell.row), full_date_name({2026, month, day}));
            }
        }
    }
}

class CountsAnExtraDay : public MonthGrid {
public:
    int ShownMonthDayCount() const override { return MonthGrid::ShownMonthDayCount() + 1; }
};

TEST_F(MonthGridNames, ADayPastTheMonthsEndGoesByItsNumber)
{
    CountsAnExtraDay grid;
    const GridCell extra = grid.CellOfDay(29);
    EXPECT_EQ(grid.CellName(extra.col, extra.row), "29");
}

} // namespace
