// The live clock in the main window's caption.
#pragma once

#include <QLocale>
#include <QString>

#include "core/clock.h"

// The caption for a moment: the title, the weekday and month names of `locale`,
// the day, the year and the 12-hour time, e.g.
// "Orrindale v1.0 -    Tuesday December 8, 2026,  at  01:05:09 AM  ".
QString clock_caption(const orr::LocalDateTime& moment, const QLocale& locale);
