#include "monthgrid/calendar.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QScopeGuard>

#include "core/clock.h"

namespace {

orr::CalendarDate today()
{
    const orr::LocalDateTime now = orr::clock().now();
    return {now.year, now.month, now.day};
}

} // namespace

TCalendar::TCalendar(QWidget* owner) : TCustomGrid(owner), model_(today())
{
    SetFixedCols(0);
    SetFixedRows(1);
    SetColCount(orr::kCalendarColumns);
    SetRowCount(orr::kCalendarRows);
    SetOptions(Options() | DrawFocusSelected);
    LoadWeekdayNames();
    RebuildLayout();
}

void TCalendar::SetDatePart(int index, int value)
{
    if (!model_.set_date_part(index, value))
        return;
    RebuildLayout();
    NotifyChange();
}

void TCalendar::SetStartOfWeek(int day)
{
    if (model_.set_start_of_week(day))
        RebuildLayout();
}

void TCalendar::SetUseCurrentDate(bool use)
{
    if (model_.set_use_current_date(use, today()))
        RebuildLayout();
}

QString TCalendar::DayCellText(int col, int row) const
{
    if (row == 0)
        return weekday_names_[model_.weekday_of_column(col)];
    const int day = model_.day_at({col, row});
    return day > 0 ? QString::number(day) : QString();
}

int TCalendar::MonthDayCount(int year, int month) const
{
    return orr::days_in_month(year, month);
}

int TCalendar::ShownMonthDayCount() const
{
    const orr::CalendarDate& held = model_.held_date();
    return MonthDayCount(held.year, held.month);
}

bool TCalendar::IsLeap(int year) const { return orr::is_leap_year(year); }

void TCalendar::RebuildLayout()
{
    rebuilding_ = true;
    const auto reset = qScopeGuard([this] { rebuilding_ = false; });
    const orr::GridCell held = model_.rebuild();
    MoveCurrentCell(held.col, held.row, false, false);
    update();
}

bool TCalendar::CanSelectCell(int col, int row)
{
    if (!rebuilding_ && read_only_)
        return false;
    return !DayCellText(col, row).isEmpty();
}

void TCalendar::DrawCellContent(QPainter& painter, int col, int row, const QRect& rect, DrawState)
{
    // The grid base has just filled the cell opaquely in the current brush, so
    // only the text is left to draw, clipped to the cell.
    const LaidOutText& text = LaidOut(DayCellText(col, row), painter.font());
    const int rect_width = rect.width();    // Right - Left
    const int rect_height = rect.height();  // Bottom - Top
    const int x = rect.left() + (rect_width - text.width) / 2;
    const int y = rect.top() + (rect_height - laid_out_height_) / 2;
    painter.setClipRect(rect);
    painter.drawStaticText(x, y, text.text);
}

const TCalendar::LaidOutText& TCalendar::LaidOut(const QString& text, const QFont& font)
{
    if (font != laid_out_font_ || laid_out_.isEmpty()) {
        laid_out_.clear();
        laid_out_font_ = font;
        laid_out_height_ = QFontMetrics(font).height();
    }
    auto found = laid_out_.find(text);
    if (found == laid_out_.end()) {
        LaidOutText entry{QStaticText(text), QFontMetrics(font).horizontalAdvance(text)};
        entry.text.setTextFormat(Qt::PlainText);
        entry.text.prepare(QTransform(), font);
        found = laid_out_.insert(text, entry);
    }
    return *found;
}

void TCalendar::NotifyClick()
{
    TCustomGrid::NotifyClick();
    const QString text = DayCellText(CurrentCell().col, CurrentCell().row);
    if (!text.isEmpty())
        SetDay(text.toInt());
}

void TCalendar::NotifyChange()
{
    if (OnChange)
        OnChange(this);
}

void TCalendar::resizeEvent(QResizeEvent*)
{
    // Sizes arrive as unsigned 16-bit values; the cell arithmetic is signed.
    const int width = static_cast<quint16>(contentsRect().width());
    const int height = static_cast<quint16>(contentsRect().height());
    SetCellWidth(orr::month_cell_extent(width, GridLineWidth()));
    SetCellHeight(orr::month_cell_extent(height, GridLineWidth()));
}

void TCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange) {
        LoadWeekdayNames();
        laid_out_.clear();
        update();
    }
    TCustomGrid::changeEvent(event);
}

void TCalendar::LoadWeekdayNames()
{
    static constexpr std::array<const char*, orr::kDaysPerWeek> fallback{"Sun", "Mon", "Tue", "Wed",
                                                                         "Thu", "Fri", "Sat"};
    const QLocale locale;
    for (int day = 0; day < orr::kDaysPerWeek; ++day) {
        // The locale counts 1 = Monday .. 7 = Sunday.
        const QString name = locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat);
        weekday_names_[day] = name.isEmpty() ? QString::fromLatin1(fallback[day]) : name;
    }
}
