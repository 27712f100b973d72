#include <gtest/gtest.h>

#include "core/error.h"
#include "monthgrid/month_model.h"

using namespace orr;

namespace {

constexpr DatePart kYear = DatePart::Year, kMonth = DatePart::Month, kDay = DatePart::Day;

// The bound a day must keep: the length of the month held now.
int held_days(const MonthModel& model)
{
    return days_in_month(model.held_date().year, model.held_date().month);
}

int day_at(const MonthModel& model, GridCell cell) { return model.day_at(cell, held_days(model)); }

bool set(MonthModel& model, DatePart part, int value)
{
    return model.set_date_part(part, value, held_days(model));
}

struct LayoutCase {
    int year;
    int month;
    int start_of_week;
    int first_cell_offset;
    GridCell first_day;
    GridCell last_day;
};

class MonthLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MonthLayout, DaysStandInTheColumnsOfTheirWeekdays)
{
    const LayoutCase c = GetParam();
    MonthModel model({c.year, c.month, 1});
    model.set_start_of_week(c.start_of_week);
    const GridCell held = model.rebuild();
    EXPECT_EQ(model.first_cell_offset(), c.first_cell_offset);
    EXPECT_EQ(held, c.first_day);
    EXPECT_EQ(day_at(model, c.first_day), 1);
    EXPECT_EQ(day_at(model, c.last_day), days_in_month(c.year, c.month));

    // Every day appears exactly once, in order, and nothing else is numbered.
    int expected = 1;
    for (int row = 1; row < kMonthRows; ++row) {
        for (int col = 0; col < kMonthColumns; ++col) {
            const int day = day_at(model, {col, row});
            if (day != 0) {
                EXPECT_EQ(day, expected++) << col << "," << row;
            }
        }
    }
    EXPECT_EQ(expected, days_in_month(c.year, c.month) + 1);
    for (int col = 0; col < kMonthColumns; ++col)
        EXPECT_EQ(day_at(model, {col, 0}), 0) << "heading cell numbered";
}

INSTANTIATE_TEST_SUITE_P(Months, MonthLayout,
                         ::testing::Values(
                             // February 2026 starts on a Sunday: a full first row, rows 5 and 6 blank.
                             LayoutCase{2026, 2, 0, 1, {0, 1}, {6, 4}},
                             // August 2026 starts on a Saturday and needs the sixth row.
                             LayoutCase{2026, 8, 0, -5, {6, 1}, {1, 6}},
                             // With Monday first, a month starting on Sunday puts day 1 last in row 1.
                             LayoutCase{2026, 2, 1, -5, {6, 1}, {5, 5}},
                             LayoutCase{2026, 8, 1, -4, {5, 1}, {0, 6}},
                             // A month starting on the start-of-week day begins in row 1, not row 2.
                             LayoutCase{2026, 6, 1, 1, {0, 1}, {1, 5}},
                             LayoutCase{2000, 2, 0, -1, {2, 1}, {2, 5}},
                             LayoutCase{9999, 12, 0, -2, {3, 1}, {5, 5}}));

TEST(MonthLayout, BlankRowsAfterTheLastDay)
{
    MonthModel model({2026, 2, 1});
    for (int col = 0; col < kMonthColumns; ++col) {
        EXPECT_EQ(day_at(model, {col, 5}), 0);
        EXPECT_EQ(day_at(model, {col, 6}), 0);
    }
}

TEST(MonthLayout, HeldDayIsTheSelectedCell)
{
    MonthModel model({2026, 8, 31});
    EXPECT_EQ(model.rebuild(), (GridCell{1, 6}));
    EXPECT_TRUE(set(model, kDay, 15));
    EXPECT_EQ(day_at(model, model.rebuild()), 15);
}

TEST(MonthHeading, ColumnsFollowTheStartOfWeek)
{
    MonthModel model({2026, 1, 1});
    EXPECT_EQ(model.weekday_of_column(0), 0);
    EXPECT_EQ(model.weekday_of_column(6), 6);
    model.set_start_of_week(1);
    EXPECT_EQ(model.weekday_of_column(0), 1);
    EXPECT_EQ(model.weekday_of_column(6), 0);
}

struct DatePartCase {
    const char* why;
    CalendarDate held;
    DatePart part;
    int value;
};

class IgnoredDateParts : public ::testing::TestWithParam<DatePartCase> {};

TEST_P(IgnoredDateParts, LeaveTheDateAndFlagAlone)
{
    const DatePartCase c = GetParam();
    MonthModel model(c.held);
    EXPECT_FALSE(set(model, c.part, c.value)) << c.why;
    EXPECT_EQ(model.held_date(), c.held) << c.why;
    EXPECT_TRUE(model.use_current_date()) << c.why;
}

INSTANTIATE_TEST_SUITE_P(Cases, IgnoredDateParts,
                         ::testing::Values(DatePartCase{"zero year", {2026, 4, 10}, kYear, 0},
                                           DatePartCase{"negative day", {2026, 4, 10}, kDay, -3},
                                           DatePartCase{"month 13", {2026, 4, 10}, kMonth, 13},
                                           DatePartCase{"day 31 in April", {2026, 4, 10}, kDay, 31},
                                           DatePartCase{"same year", {2026, 4, 10}, kYear, 2026},
                                           DatePartCase{"same month", {2026, 4, 10}, kMonth, 4},
                                           DatePartCase{"same day", {2026, 4, 10}, kDay, 10}));

class FailingDateParts : public ::testing::TestWithParam<DatePartCase> {};

TEST_P(FailingDateParts, RaiseTheDateErrorAndChangeNothing)
{
    const DatePartCase c = GetParam();
    MonthModel model(c.held);
    const int offset = model.first_cell_offset();
    EXPECT_THROW(set(model, c.part, c.value), EConvertError) << c.why;
    EXPECT_EQ(model.held_date(), c.held) << c.why;
    EXPECT_EQ(model.first_cell_offset(), offset) << c.why;
    EXPECT_TRUE(model.use_current_date()) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailingDateParts,
    ::testing::Values(DatePartCase{"February while on the 31st", {2026, 1, 31}, kMonth, 2},
                      DatePartCase{"April while on the 31st", {2026, 3, 31}, kMonth, 4},
                      DatePartCase{"common year while on 29 February", {2024, 2, 29}, kYear, 2023},
                      DatePartCase{"year 10000", {9999, 1, 1}, kYear, 10000}));

TEST(DatePartOrder, DayFirstMakesEveryLaterStepValid)
{
    MonthModel model({2026, 1, 31});
    EXPECT_TRUE(set(model, kDay, 1));
    EXPECT_TRUE(set(model, kMonth, 2));
    EXPECT_TRUE(set(model, kYear, 2023));
    EXPECT_EQ(model.held_date(), (CalendarDate{2023, 2, 1}));
    EXPECT_FALSE(model.use_current_date());
    EXPECT_EQ(model.date_part(kYear), 2023);
    EXPECT_EQ(model.date_part(kMonth), 2);
    EXPECT_EQ(model.date_part(kDay), 1);
}

TEST(UseCurrentDate, TrueReloadsTodayAndFalseKeepsTheDate)
{
    MonthModel model({2026, 12, 8});
    ASSERT_TRUE(set(model, kYear, 1999));
    EXPECT_FALSE(model.use_current_date());
    EXPECT_FALSE(model.set_use_current_date(false, {2026, 12, 8}));
    EXPECT_TRUE(model.set_use_current_date(true, {2026, 12, 8}));
    EXPECT_EQ(model.held_date(), (CalendarDate{2026, 12, 8}));
    EXPECT_FALSE(model.set_use_current_date(true, {2027, 1, 1})) << "writing the present value reloads";
    EXPECT_EQ(model.held_date(), (CalendarDate{2026, 12, 8}));
    EXPECT_FALSE(model.set_use_current_date(false, {2027, 1, 1}));
    EXPECT_EQ(model.held_date(), (CalendarDate{2026, 12, 8}));
}

} // namespace
