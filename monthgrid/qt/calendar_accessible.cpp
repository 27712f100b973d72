#include "monthgrid/qt/calendar_accessible.h"

#include "monthgrid/month_model.h"
#include "monthgrid/qt/calendar.h"
#include "monthgrid/qt/day_cell_accessible.h"

namespace {

QAccessibleInterface* calendar_factory(const QString& class_name, QObject* object)
{
    if (class_name == QLatin1StringView(TCalendar::staticMetaObject.className()))
        return new CalendarAccessible(static_cast<TCalendar*>(object));
    return nullptr;
}

} // namespace

void install_calendar_accessibility() { QAccessible::installFactory(&calendar_factory); }

void announce_calendar_change(TCalendar* calendar)
{
    QAccessibleEvent renamed(calendar, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleTableModelChangeEvent relaid(calendar, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&relaid);
}

CalendarAccessible::CalendarAccessible(TCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::Table)
{}

CalendarAccessible::~CalendarAccessible()
{
    for (DayCellAccessible* cell : cells_) {
        if (cell)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
}

TCalendar* CalendarAccessible::Calendar() const { return static_cast<TCalendar*>(widget()); }

QString CalendarAccessible::text(QAccessible::Text t) const
{
    // A name given to the widget itself still wins, as for any widget.
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return Calendar()->AccessibleName();
    return QAccessibleWidget::text(t);
}

QAccessible::State CalendarAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Calendar()->Core().ReadOnly();
    return state;
}

int CalendarAccessible::childCount() const { return Calendar()->Core().ShownMonthDayCount(); }

QAccessibleInterface* CalendarAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    return DayCell(index + 1);
}

int CalendarAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int index = 0; index < childCount(); ++index) {
        if (cells_[index] == child)
            return index;
    }
    return -1;
}

QAccessibleInterface* CalendarAccessible::childAt(int x, int y) const
{
    const TCalendar* calendar = Calendar();
    const QPoint client = calendar->mapFromGlobal(QPoint(x, y)) - calendar->contentsRect().topLeft();
    const auto cell = calendar->Grid().CellAt({client.x(), client.y()});
    const int day = cell ? calendar->Core().DayAt(cell->col, cell->row) : 0;
    return day > 0 ? DayCell(day) : nullptr;
}

void* CalendarAccessible::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* CalendarAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    const int day = Calendar()->Core().DayAt(column, row + orr::kMonthHeadingRows);
    return day > 0 ? DayCell(day) : nullptr;
}

int CalendarAccessible::selectedCellCount() const { return static_cast<int>(selectedCells().size()); }

QList<QAccessibleInterface*> CalendarAccessible::selectedCells() const
{
    const orr::GridCell current = Calendar()->CurrentCell();
    const int day = Calendar()->Core().DayAt(current.col, current.row);
    if (day <= 0)
        return {};
    return {DayCell(day)};
}

QString CalendarAccessible::columnDescription(int column) const
{
    if (column < 0 || column >= columnCount())
        return QString();
    return Calendar()->CellName(column, 0);
}

int CalendarAccessible::columnCount() const { return orr::kMonthColumns; }

int CalendarAccessible::rowCount() const { return orr::kMonthBodyRows; }

QAccessibleInterface* CalendarAccessible::DayCell(int day) const
{
    DayCellAccessible*& cell = cells_.at(static_cast<std::size_t>(day - 1));
    if (!cell) {
        cell = new DayCellAccessible(Calendar(), day);
        QAccessible::registerAccessibleInterface(cell);
    }
    return cell;
}
