#include "app/title_clock.h"

#include <cstdio>

#include "app/main_form.h"
#include "core/product.h"
#include "monthgrid/date_math.h"

namespace orr {
namespace {

bool same_second(const LocalDateTime& a, const LocalDateTime& b)
{
    return a.second == b.second && a.minute == b.minute && a.hour == b.hour && a.day == b.day &&
           a.month == b.month && a.year == b.year;
}

} // namespace

std::string clock_caption(const LocalDateTime& moment, const LocaleNames& names)
{
    // The hours after midnight and after noon read 12.
    const int hour = moment.hour % 12 == 0 ? 12 : moment.hour % 12;
    char date[32];
    std::snprintf(date, sizeof date, " %d, %04d,  at  ", moment.day, moment.year);
    char time[32];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d %s  ", hour, moment.minute, moment.second,
                  moment.hour < 12 ? "AM" : "PM");
    const int weekday = day_of_week({moment.year, moment.month, moment.day});
    return std::string(kProductTitle) + " -    " + names.LongDayName(weekday) + " " +
           names.LongMonthName(moment.month) + date + time;
}

void MainForm::Timer1Timer()
{
    const LocalDateTime moment = clock().now();
    // Nine ticks in ten fall in the second already shown: they cost a clock reading only.
    if (caption_second_ && same_second(*caption_second_, moment))
        return;
    const std::string caption = clock_caption(moment, view_);
    // Written only on a change, so the title bar repaints once a second.
    if (caption != caption_) {
        view_.SetCaption(caption);
        caption_ = caption;
    }
    caption_second_ = moment;
}

} // namespace orr
