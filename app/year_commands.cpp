// The year view's commands: jump to today's year, and step one year back or on.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "app/main_form.h"
#include "core/clock.h"
#include "monthgrid/calendar.h"
#include "monthgrid/date_math.h"

int TMainForm1::Year_Of_Today() { return orr::clock().now().year; }

int TMainForm1::Month_Of_Today() { return orr::clock().now().month; }

void TMainForm1::Current_Year_BitBtnClick()
{
    const int year = Year_Of_Today();
    Year_Edit->setText(QString::number(year));
    const int previous_month = Current_Month;
    Current_Year = year;
    Current_Month = Month_Of_Today();
    for (TCalendar* calendar : calendars_)
        calendar->SetDay(1);
    // Only today's month is marked: a month marked before the date moved on goes back to plain.
    if (previous_month != 0 && previous_month != Current_Month)
        SetLabelColour(previous_month, kPlainColour);
    SetLabelColour(Current_Month, kHighlightColour);
    for (int month = 1; month <= kMonths; ++month)
        Calendar(month)->SetMonth(month);
    for (TCalendar* calendar : calendars_)
        calendar->SetYear(year);
    UpdateYearButtons(year);
}

void TMainForm1::Last_Year_SpeedButtonClick() { StepYear(-1); }

void TMainForm1::Next_Year_SpeedButtonClick() { StepYear(+1); }

void TMainForm1::StepYear(int delta)
{
    const int year = Year_Edit->text().toInt() + delta;
    // The grids hold years 1..9999 only; the buttons are disabled at the ends.
    if (year < orr::kMinYear || year > orr::kMaxYear)
        return;
    Year_Edit->setText(QString::number(year));
    for (TCalendar* calendar : calendars_)
        calendar->SetYear(year);
    ColourLabelsFor(year);
    UpdateYearButtons(year);
}

void TMainForm1::ColourLabelsFor(int year)
{
    if (year == Current_Year) {
        SetLabelColour(Current_Month, kHighlightColour);
        return;
    }
    for (int month = 1; month <= kMonths; ++month)
        SetLabelColour(month, kPlainColour);
}

void TMainForm1::SetLabelColour(int month, int colour)
{
    QLabel* label = MonthLabel(month);
    if (!label)
        return;
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    label->setPalette(palette);
}

void TMainForm1::UpdateYearButtons(int year)
{
    Last_Year_SpeedButton->setEnabled(year > orr::kMinYear);
    Next_Year_SpeedButton->setEnabled(year < orr::kMaxYear);
}
