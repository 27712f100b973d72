// File > Print Year...: the year shown, with the month the window marks.
#include "app/main_form.h"

namespace orr {

void MainForm::Print_Year_OptionClick()
{
    if (!year_shown_)
        return;
    print::YearPage page;
    page.year = *year_shown_;
    page.marked_month = page.year == Current_Year ? Current_Month : 0;
    view_.PrintYear(page);
}

} // namespace orr
