#include "monthgrid/qt/calendar_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <array>

#include "monthgrid/month_grid_table.h"
#include "monthgrid/qt/calendar.h"

namespace {

QString from_utf8(const std::string& utf8) { return QString::fromStdString(utf8); }

// One day of the shown month; a cell for the 31st lies dormant while the grid shows a
// shorter month.
class DayCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    DayCellAccessible(TCalendar* calendar, int day) : calendar_(calendar), day_(day) {}

    bool isValid() const override { return calendar_ && Table().has_day(day_); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return calendar_ ? calendar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(calendar_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && calendar_ ? from_utf8(Table().day_name(day_)) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect client = to_qrect(Table().rect_of(day_));
        return QRect(calendar_->mapToGlobal(client.topLeft() + calendar_->contentsRect().topLeft()),
                     client.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        const orr::DayCellState day = calendar_ ? Table().state_of(day_, calendar_->hasFocus())
                                                : orr::DayCellState();
        state.invalid = !day.exists;
        if (!day.exists)
            return state;
        state.selectable = day.selectable;
        state.readOnly = true; // a day is picked, never edited
        state.selected = day.selected;
        state.focused = day.focused;
        state.invisible = !calendar_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }

    bool isSelected() const override { return calendar_ && Table().state_of(day_, false).selected; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return calendar_ ? Table().column_of(day_) : -1; }
    int rowIndex() const override { return calendar_ ? Table().row_of(day_) : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    orr::MonthGridTable Table() const { return orr::MonthGridTable(calendar_->Core()); }

    QPointer<TCalendar> calendar_;
    int day_;
};

class CalendarAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarAccessible(TCalendar* calendar) : QAccessibleWidget(calendar, QAccessible::Table) {}
    ~CalendarAccessible() override
    {
        for (DayCellAccessible* cell : cells_) {
            if (cell)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
        }
    }

    QString text(QAccessible::Text t) const override
    {
        // A name given to the widget itself still wins, as for any widget.
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return from_utf8(Calendar()->Core().AccessibleName());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = Calendar()->Core().ReadOnly();
        return state;
    }
    int childCount() const override { return Table().day_count(); }
    QAccessibleInterface* child(int index) const override { return DayCell(index + 1); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto end = cells_.begin() + childCount();
        const auto found = std::find(cells_.begin(), end, child);
        return found == end ? -1 : static_cast<int>(found - cells_.begin());
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint client = Calendar()->mapFromGlobal(QPoint(x, y)) - Calendar()->contentsRect().topLeft();
        return DayCell(Table().day_under({client.x(), client.y()}));
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return DayCell(Table().day_at(row, column));
    }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    QList<QAccessibleInterface*> selectedCells() const override
    {
        QAccessibleInterface* selected = DayCell(Table().selected_day());
        return selected ? QList<QAccessibleInterface*>{selected} : QList<QAccessibleInterface*>{};
    }
    QString columnDescription(int column) const override { return from_utf8(Table().column_name(column)); }
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return orr::MonthGridTable::kColumns; }
    int rowCount() const override { return orr::MonthGridTable::kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    // Only a click or a key picks a day, as for a sighted user.
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // The cells are kept by day and read the grid afresh, so nothing goes stale.
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    TCalendar* Calendar() const { return static_cast<TCalendar*>(widget()); }
    orr::MonthGridTable Table() const { return orr::MonthGridTable(Calendar()->Core()); }

    // The cell of a day of the shown month, made when first asked for; nothing for any other.
    QAccessibleInterface* DayCell(int day) const
    {
        if (!Table().has_day(day))
            return nullptr;
        DayCellAccessible*& cell = cells_.at(static_cast<std::size_t>(day - 1));
        if (!cell) {
            cell = new DayCellAccessible(Calendar(), day);
            QAccessible::registerAccessibleInterface(cell);
        }
        return cell;
    }

    // Registered with Qt's cache, which they leave with this interface.
    mutable std::array<DayCellAccessible*, 31> cells_{};
};

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
