// The printed year: what a page shows and how it is drawn, by the grids' own painter.
#pragma once

#include "app/print/page_canvas.h"
#include "app/print/year_page_layout.h"
#include "monthgrid/weekday_names.h"

namespace orr::print {

struct YearPage {
    int year = 0;
    int marked_month = 0;        // the month whose name is red, as in the window; 0 for none
    WeekdayNames monday_first{}; // the heading's names as the shell's locale lists them; empty ones fall back
};

// colour: the device prints colour; without it the marked month's name is black too.
void paint_year_page(const YearPage& page, const YearPageLayout& layout, PageCanvas& canvas, bool colour);

} // namespace orr::print
