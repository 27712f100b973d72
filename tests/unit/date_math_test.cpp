#include <gtest/gtest.h>

#include "core/error.h"
#include "monthgrid/date_math.h"

using namespace orr;

namespace {

struct YearCase {
    int year;
    bool leap;
};

class LeapYears : public ::testing::TestWithParam<YearCase> {};

TEST_P(LeapYears, FebruaryFollowsTheLeapRule)
{
    const YearCase c = GetParam();
    EXPECT_EQ(is_leap_year(c.year), c.leap) << c.year;
    EXPECT_EQ(days_in_month(c.year, 2), c.leap ? 29 : 28) << c.year;
}

INSTANTIATE_TEST_SUITE_P(Years, LeapYears,
                         ::testing::Values(YearCase{2000, true}, YearCase{2024, true},
                                           YearCase{1900, false}, YearCase{2023, false},
                                           YearCase{2100, false}, YearCase{2400, true},
                                           YearCase{1, false}, YearCase{4, true},
                                           YearCase{9999, false}, YearCase{-4, true}));

TEST(MonthLengths, EveryMonthOfACommonAndALeapYear)
{
    const int common[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(days_in_month(2026, m), common[m - 1]) << m;
        EXPECT_EQ(days_in_month(2024, m), common[m - 1] + (m == 2 ? 1 : 0)) << m;
    }
}

struct WeekdayCase {
    CalendarDate date;
    int weekday;  // 1 = Sunday
};

class Weekdays : public ::testing::TestWithParam<WeekdayCase> {};

TEST_P(Weekdays, KnownDatesFallOnTheirWeekday)
{
    const WeekdayCase c = GetParam();
    EXPECT_EQ(day_of_week(c.date), c.weekday)
        << c.date.year << "-" << c.date.month << "-" << c.date.day;
}

INSTANTIATE_TEST_SUITE_P(Dates, Weekdays,
                         ::testing::Values(WeekdayCase{{1, 1, 1}, 2}, WeekdayCase{{1752, 9, 14}, 5},
                                           WeekdayCase{{1900, 1, 1}, 2}, WeekdayCase{{2000, 1, 1}, 7},
                                           WeekdayCase{{2000, 2, 29}, 3}, WeekdayCase{{2000, 3, 1}, 4},
                                           WeekdayCase{{2026, 2, 1}, 1}, WeekdayCase{{2026, 8, 1}, 7},
                                           WeekdayCase{{2026, 12, 8}, 3}, WeekdayCase{{9999, 12, 31}, 6}));

TEST(DateEncoding, RejectsDatesThatDoNotExist)
{
    EXPECT_EQ(encode_date(2024, 2, 29), (CalendarDate{2024, 2, 29}));
    EXPECT_EQ(encode_date(9999, 12, 31), (CalendarDate{9999, 12, 31}));
    for (const CalendarDate bad : {CalendarDate{2023, 2, 29}, CalendarDate{2026, 4, 31},
                                   CalendarDate{0, 1, 1}, CalendarDate{10000, 1, 1},
                                   CalendarDate{2026, 13, 1}, CalendarDate{2026, 1, 0}}) {
        try {
            encode_date(bad.year, bad.month, bad.day);
            ADD_FAILURE() << "accepted " << bad.year << "-" << bad.month << "-" << bad.day;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), "Invalid argument to date encode");
        }
    }
}

} // namespace
