// A month grid as a screen reader meets it: a table named by its month and year whose
// children are the day cells of that month, in date order, each named by its date.
// Every name comes from the shared month grid; nothing here decides a text.
#pragma once

#include <QAccessibleWidget>
#include <array>

#include "monthgrid/date_math.h"

class DayCellAccessible;
class TCalendar;

// Lets Qt build the interface below for every TCalendar; installing again does nothing.
void install_calendar_accessibility();
// Tells an assistive technology that the grid shows another month: its name, cells and
// selection have changed.
void announce_calendar_change(TCalendar* calendar);

class CalendarAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CalendarAccessible(TCalendar* calendar);
    ~CalendarAccessible() override;

    TCalendar* Calendar() const;

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // The table's rows are the six body rows; the weekday heading row describes the columns.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
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
    QAccessibleInterface* DayCell(int day) const;

    // Created when first asked for and registered with Qt's cache, which they leave with
    // this interface.
    mutable std::array<DayCellAccessible*, 31> cells_{};
};
