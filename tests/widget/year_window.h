// The year window's parts as a test finds them: by their object names in the client
// area (the About window, a child of the main window too, has labels of its own).
#pragma once

#include <QLabel>

#include "app/qt/main_form1.h"
#include "monthgrid/qt/calendar.h"

inline TCalendar* calendar_of(const TMainForm1& form, int month)
{
    return form.centralWidget()->findChild<TCalendar*>(QStringLiteral("Calendar%1").arg(month));
}

inline QLabel* label_of(const TMainForm1& form, int month)
{
    return form.centralWidget()->findChild<QLabel*>(QStringLiteral("Label%1").arg(month));
}

// The window as its form sees it: bounds with the window manager's frame.
inline orr::MainFormView& view_of(TMainForm1& form) { return form; }
