// The year view's commands: jump to today's year, and step one year back or on.
#include <string>

#include "app/main_form.h"
#include "core/clock.h"
#include "monthgrid/date_math.h"

namespace orr {

int MainForm::Year_Of_Today() { return clock().now().year; }

int MainForm::Month_Of_Today() { return clock().now().month; }

void MainForm::Current_Year_BitBtnClick()
{
    const int year = Year_Of_Today();
    ShowYear(year);
    const int previous_month = Current_Month;
    Current_Year = year;
    Current_Month = Month_Of_Today();
    // Day 1 first, so every later month and year names a date that exists.
    for (int month = 1; month <= kMonths; ++month)
        view_.SetCalendarDatePart(month, DatePart::Day, 1);
    // Only today's month is marked: a month marked before the date moved on goes back to plain.
    if (previous_month != 0 && previous_month != Current_Month)
        view_.SetLabelColour(previous_month, kPlainColour);
    view_.SetLabelColour(Current_Month, kHighlightColour);
    for (int month = 1; month <= kMonths; ++month)
        view_.SetCalendarDatePart(month, DatePart::Month, month);
    for (int month = 1; month <= kMonths; ++month)
        view_.SetCalendarDatePart(month, DatePart::Year, year);
    UpdateYearButtons(year);
}

void MainForm::Last_Year_SpeedButtonClick() { StepYear(-1); }

void MainForm::Next_Year_SpeedButtonClick() { StepYear(+1); }

void MainForm::StepYear(int delta)
{
    // Before the first year is shown there is nothing to step from.
    if (!year_shown_)
        return;
    const int year = *year_shown_ + delta;
    // The grids hold years 1..9999 only; the buttons are disabled at the ends.
    if (year < kMinYear || year > kMaxYear)
        return;
    ShowYear(year);
    for (int month = 1; month <= kMonths; ++month)
        view_.SetCalendarDatePart(month, DatePart::Year, year);
    ColourLabelsFor(year);
    UpdateYearButtons(year);
}

void MainForm::ShowYear(int year)
{
    view_.SetYearText(std::to_string(year));
    year_shown_ = year;
}

void MainForm::ColourLabelsFor(int year)
{
    if (year == Current_Year) {
        view_.SetLabelColour(Current_Month, kHighlightColour);
        return;
    }
    for (int month = 1; month <= kMonths; ++month)
        view_.SetLabelColour(month, kPlainColour);
}

void MainForm::UpdateYearButtons(int year) { view_.SetYearButtonsEnabled(year > kMinYear, year < kMaxYear); }

} // namespace orr
