// The heading's weekday names for a printed page, from the system's regional settings,
// as the window's grids read them.
#pragma once

#include "app/print/year_page.h"

namespace orr::print {

void use_locale_weekday_names(YearPage& page);

} // namespace orr::print
