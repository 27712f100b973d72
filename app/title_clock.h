// The live clock in the main window's caption.
#pragma once

#include <string>

#include "app/locale_names.h"
#include "core/clock.h"

namespace orr {

// The caption for a moment: the title, the weekday and month names, the day, the
// year and the 12-hour time, e.g.
// "Orrindale v1.0 -    Tuesday December 8, 2026,  at  01:05:09 AM  ".
std::string clock_caption(const LocalDateTime& moment, const LocaleNames& names);

} // namespace orr
