#include "monthgrid/qt/day_cell_accessible.h"

#include "monthgrid/month_model.h"
#include "monthgrid/qt/calendar.h"

bool DayCellAccessible::isValid() const { return calendar_ && day_ <= calendar_->Core().ShownMonthDayCount(); }

QWindow* DayCellAccessible::window() const
{
    return calendar_ ? calendar_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* DayCellAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(calendar_.data());
}

QString DayCellAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name || !isValid())
        return QString();
    const orr::GridCell cell = calendar_->Core().CellOfDay(day_);
    return calendar_->CellName(cell.col, cell.row);
}

QRect DayCellAccessible::rect() const
{
    if (!isValid())
        return QRect();
    const orr::GridCell cell = calendar_->Core().CellOfDay(day_);
    const QRect client = calendar_->CellRect(cell.col, cell.row);
    return QRect(calendar_->mapToGlobal(client.topLeft() + calendar_->contentsRect().topLeft()),
                 client.size());
}

QAccessible::State DayCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.selectable = !calendar_->Core().ReadOnly();
    state.readOnly = true; // a day is picked, never edited
    state.selected = isSelected();
    state.focused = state.selected && calendar_->hasFocus();
    state.invisible = !calendar_->isVisible();
    return state;
}

void* DayCellAccessible::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
}

bool DayCellAccessible::isSelected() const
{
    return isValid() && calendar_->CurrentCell() == calendar_->Core().CellOfDay(day_);
}

int DayCellAccessible::columnIndex() const { return isValid() ? calendar_->Core().CellOfDay(day_).col : -1; }

int DayCellAccessible::rowIndex() const
{
    return isValid() ? calendar_->Core().CellOfDay(day_).row - orr::kMonthHeadingRows : -1;
}
