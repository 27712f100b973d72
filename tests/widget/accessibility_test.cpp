// What a screen reader meets on the year window, read through Qt's accessibility
// interfaces: the buttons, the year box, the labels, each month grid as a table of its
// days, and how all of them follow the year.
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "app/qt/main_form1.h"
#include "monthgrid/qt/calendar.h"
#include "test_support.h"
#include "year_window.h"

namespace {

class ScreenReader : public StandingClockTest {
protected:
    void TearDown() override
    {
        form.reset();
        StandingClockTest::TearDown();
    }
    void start()
    {
        form = std::make_unique<TMainForm1>();
        form->Form().Settings_File_Path = [] { return std::string("/nonexistent/orrindale.ini"); };
        form->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    static QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
    static QString name(QAccessibleInterface* iface)
    {
        return iface ? iface->text(QAccessible::Name) : QStringLiteral("(none)");
    }
    QAccessibleInterface* grid(int month) const { return of(calendar_of(*form, month)); }

    std::unique_ptr<TMainForm1> form;
};

const std::array<const char*, 12> kMonths{"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};

TEST_F(ScreenReader, ButtonsYearBoxAndLabelsReadAsTheyAreShown)
{
    start();
    const std::vector<std::pair<QWidget*, QString>> buttons{
        // Glyph-only buttons go by their hints.
        {form->Last_Year_SpeedButton, "Previous Year"},
        {form->Next_Year_SpeedButton, "Next Year"},
        {form->Current_Year_BitBtn, "Current Year"},
        {form->Exit_BitBtn, "Exit"},
    };
    for (const auto& [button, caption] : buttons) {
        QAccessibleInterface* iface = of(button);
        ASSERT_NE(iface, nullptr) << caption.toStdString();
        EXPECT_EQ(iface->role(), QAccessible::Button) << caption.toStdString();
        EXPECT_EQ(iface->text(QAccessible::Name), caption);
    }
    EXPECT_EQ(of(form->Current_Year_BitBtn)->text(QAccessible::Description),
              "Jump to the current Calendar Year");

    QAccessibleInterface* year = of(form->Year_Edit);
    EXPECT_EQ(year->role(), QAccessible::EditableText);
    EXPECT_EQ(year->text(QAccessible::Name), "2026");
    EXPECT_TRUE(year->state().readOnly);

    for (int month = 1; month <= 12; ++month) {
        QAccessibleInterface* label = of(label_of(*form, month));
        EXPECT_EQ(label->role(), QAccessible::StaticText) << month;
        EXPECT_EQ(label->text(QAccessible::Name), kMonths[month - 1]);
    }
}

TEST_F(ScreenReader, EachGridIsATableOfItsDaysNamedByDate)
{
    start();
    constexpr std::array<int, 12> kDays2026{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        QAccessibleInterface* table = grid(month);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->role(), QAccessible::Table) << month;
        EXPECT_EQ(table->text(QAccessible::Name), QString("%1 2026").arg(kMonths[month - 1]));
        ASSERT_EQ(table->childCount(), kDays2026[month - 1]) << month;
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* cell = table->child(i);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(table->indexOfChild(cell), i);
            EXPECT_EQ(cell->parent(), table);
            // Only the held day, the first, is selected.
            EXPECT_EQ(cell->state().selected, i == 0) << month << " " << i;
        }
    }

    QAccessibleInterface* december = grid(12);
    EXPECT_EQ(name(december->child(0)), "Tuesday, 1 December 2026");
    EXPECT_EQ(name(december->child(7)), "Tuesday, 8 December 2026");
    EXPECT_EQ(name(december->child(30)), "Thursday, 31 December 2026");
    EXPECT_EQ(name(grid(2)->child(27)), "Saturday, 28 February 2026");
}

TEST_F(ScreenReader, TableRowsAndColumnsMatchTheDrawnGrid)
{
    start();
    TCalendar* calendar = calendar_of(*form, 12);
    QAccessibleInterface* december = grid(12);
    QAccessibleTableInterface* table = december->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnDescription(0), "Sunday");
    EXPECT_EQ(table->columnDescription(2), "Tuesday");
    // 1 December 2026 is a Tuesday: two blank cells before it, 31 days end in the fifth row.
    EXPECT_EQ(table->cellAt(0, 1), nullptr);
    EXPECT_EQ(table->cellAt(0, 2), december->child(0));
    EXPECT_EQ(table->cellAt(4, 4), december->child(30));
    EXPECT_EQ(table->cellAt(4, 5), nullptr);
    EXPECT_EQ(table->cellAt(6, 0), nullptr);
    ASSERT_EQ(table->selectedCells().size(), 1);
    EXPECT_EQ(table->selectedCells().front(), december->child(0));

    for (int i = 0; i < december->childCount(); ++i) {
        QAccessibleInterface* cell = december->child(i);
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(table->cellAt(place->rowIndex(), place->columnIndex()), cell) << i;
        EXPECT_EQ(place->table(), december);
        // Where the cell is announced is where it is drawn, and pointing there finds it.
        const QRect drawn = calendar->CellRect(place->columnIndex(), place->rowIndex() + 1)
                                .translated(calendar->contentsRect().topLeft());
        EXPECT_EQ(cell->rect(), QRect(calendar->mapToGlobal(drawn.topLeft()), drawn.size())) << i;
        EXPECT_EQ(december->childAt(cell->rect().center().x(), cell->rect().center().y()), cell) << i;
    }
    // A blank cell and the heading row hold no day.
    const QPoint heading = calendar->mapToGlobal(calendar->contentsRect().topLeft() + QPoint(2, 2));
    EXPECT_EQ(december->childAt(heading.x(), heading.y()), nullptr);
}

TEST_F(ScreenReader, NextYearRenamesTheYearBoxTheGridsAndTheirCells)
{
    start();
    QAccessibleInterface* eighth = grid(12)->child(7);
    form->Next_Year_SpeedButton->click();

    EXPECT_EQ(name(of(form->Year_Edit)), "2027");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(name(grid(month)), QString("%1 2027").arg(kMonths[month - 1]));
    // A cell already handed out reads the new date.
    EXPECT_EQ(name(eighth), "Wednesday, 8 December 2027");

    form->Next_Year_SpeedButton->click();
    QAccessibleInterface* leap_day = grid(2)->child(28);
    ASSERT_EQ(grid(2)->childCount(), 29);
    EXPECT_EQ(name(leap_day), "Tuesday, 29 February 2028");
    form->Next_Year_SpeedButton->click();
    EXPECT_EQ(grid(2)->childCount(), 28);
    EXPECT_FALSE(leap_day->isValid()) << "no 29 February in 2029";
    EXPECT_EQ(grid(2)->indexOfChild(leap_day), -1);
}

} // namespace
