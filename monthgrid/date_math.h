// Proleptic Gregorian date arithmetic for the month grid (years 1..9999).
#pragma once

namespace orr {

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;
inline constexpr int kMonthsPerYear = 12;
inline constexpr int kDaysPerWeek = 7;
inline constexpr int kFebruary = 2; // the month that gains a day in a leap year

struct CalendarDate {
    int year = 1;
    int month = 1;
    int day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

// Remainders are signed, so negative years follow the same rule.
constexpr bool is_leap_year(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// month must be 1..12 for both.
int common_month_length(int month);
int days_in_month(int year, int month);

bool is_valid_date(int year, int month, int day);

// Throws EConvertError "Invalid argument to date encode" for an invalid date.
CalendarDate encode_date(int year, int month, int day);

// 1 = Sunday .. 7 = Saturday, for a valid date.
int day_of_week(const CalendarDate& date);

} // namespace orr
