// How a month grid answers clicks, keys and the wheel, and when it notifies.
#include <QTest>

#include "core/error.h"
#include "monthgrid/qt/calendar.h"
#include "test_support.h"

namespace {

constexpr int kEdge = 2;

class MonthGridInput : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        stand_on(2026, 2, 10);
        holder.resize(300, 200);
        grid = new TCalendar(&holder);
        grid->setGeometry(10, 10, 210, 110);
        grid->OnClick = [this](TCustomGrid*) { ++clicks; };
        grid->OnChange = [this](TCalendar* sender) {
            ++changes;
            EXPECT_EQ(sender, grid);
            // Notified after the layout follows the new date.
            const orr::GridCell cell = grid->Core().CurrentCell();
            EXPECT_EQ(std::stoi(grid->Core().DayCellText(cell.col, cell.row)), grid->Core().Day());
        };
        holder.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }
    QPoint centre_of(int col, int row) const { return grid->CellRect(col, row).center() + QPoint(kEdge, kEdge); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(grid, k, m); }

    QWidget holder;
    TCalendar* grid = nullptr;
    int clicks = 0;
    int changes = 0;
};

TEST_F(MonthGridInput, ReadOnlyGridIgnoresClicksKeysAndWheelButStillClicks)
{
    grid->Core().SetReadOnly(true);
    const orr::GridCell held = grid->Core().CurrentCell();
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre_of(4, 4));
    key(Qt::Key_Right);
    key(Qt::Key_Down);
    key(Qt::Key_End, Qt::ControlModifier);
    QWheelEvent wheel(QPointF(50, 50), grid->mapToGlobal(QPointF(50, 50)), {}, {0, -120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(grid, &wheel);
    EXPECT_EQ(grid->Core().CurrentCell(), held);
    EXPECT_EQ(grid->Core().Day(), 10);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 5) << "one click and four aimed moves";
    grid->Core().SetDay(20);
    EXPECT_EQ(grid->Core().CurrentCell(), (orr::GridCell{5, 3}))
        << "only a new date moves a read-only selection";
}

TEST_F(MonthGridInput, EditableGridTakesTheClickedDay)
{
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre_of(5, 3));  // 20 February
    EXPECT_EQ(grid->Core().Day(), 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre_of(2, 5));  // blank after the 28th
    EXPECT_EQ(grid->Core().CurrentCell(), (orr::GridCell{5, 3})) << "a blank cell is never selected";
    EXPECT_EQ(grid->Core().Day(), 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 2);
    QTest::mouseClick(grid, Qt::LeftButton, {}, centre_of(3, 0));  // heading
    EXPECT_EQ(grid->Core().Day(), 20);
    EXPECT_EQ(clicks, 2) << "a press on the heading is no click";
}

TEST_F(MonthGridInput, DragSelectsTheDayUnderTheRelease)
{
    QTest::mousePress(grid, Qt::LeftButton, {}, centre_of(1, 2));
    EXPECT_TRUE(grid->Core().IsSelecting());
    QMouseEvent move(QEvent::MouseMove, centre_of(3, 4), grid->mapToGlobal(centre_of(3, 4)),
                     Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(grid, &move);
    EXPECT_EQ(grid->Core().CurrentCell(), (orr::GridCell{3, 4}));
    EXPECT_EQ(changes, 0) << "the day changes on release";
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centre_of(3, 4));
    EXPECT_FALSE(grid->Core().IsSelecting());
    EXPECT_EQ(grid->Core().Day(), 25);
    EXPECT_EQ(changes, 1);
}

TEST_F(MonthGridInput, NavigationKeysMoveTheDayInsideTheBody)
{
    key(Qt::Key_Right);
    EXPECT_EQ(grid->Core().Day(), 11);
    key(Qt::Key_Down);
    EXPECT_EQ(grid->Core().Day(), 18);
    key(Qt::Key_Home);
    EXPECT_EQ(grid->Core().Day(), 15);
    key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(grid->Core().Day(), 1);
    const int clicks_before = clicks;
    key(Qt::Key_Up);  // the heading is outside the body: no move, no click
    EXPECT_EQ(grid->Core().Day(), 1);
    EXPECT_EQ(clicks, clicks_before);
    key(Qt::Key_Down, Qt::ControlModifier);  // row 6 is blank in February 2026: refused
    EXPECT_EQ(grid->Core().Day(), 1);
    EXPECT_EQ(clicks, clicks_before + 1);
    EXPECT_EQ(changes, 4);
}

TEST_F(MonthGridInput, WheelStepsOneRow)
{
    QWheelEvent down(QPointF(50, 50), grid->mapToGlobal(QPointF(50, 50)), {}, {0, -120},
                     Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(grid, &down);
    EXPECT_EQ(grid->Core().Day(), 17);
    QWheelEvent up(QPointF(50, 50), grid->mapToGlobal(QPointF(50, 50)), {}, {0, 120},
                   Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(grid, &up);
    EXPECT_EQ(grid->Core().Day(), 10);
}

TEST_F(MonthGridInput, ChangesNotifyOnceAndEqualValuesNever)
{
    grid->Core().SetYear(2026);
    grid->Core().SetMonth(2);
    grid->Core().SetDay(10);
    EXPECT_EQ(changes, 0);
    grid->Core().SetYear(2027);
    EXPECT_EQ(changes, 1);
    grid->Core().SetDay(31);  // beyond February: ignored
    grid->Core().SetMonth(13);
    EXPECT_EQ(changes, 1);
    grid->Core().SetStartOfWeek(1);
    EXPECT_EQ(changes, 1) << "start of week is no date change";
    EXPECT_EQ(grid->Core().FirstCellOffset(), 1);  // 1 February 2027 is a Monday
}

TEST_F(MonthGridInput, InvalidDateRaisesAndLeavesTheGridAlone)
{
    grid->Core().SetDay(28);
    grid->Core().SetMonth(1);
    grid->Core().SetDay(31);
    const int before = changes;
    const orr::GridCell cell = grid->Core().CurrentCell();
    EXPECT_THROW(grid->Core().SetMonth(2), orr::EConvertError);
    EXPECT_EQ(grid->Core().Month(), 1);
    EXPECT_EQ(grid->Core().CurrentCell(), cell);
    EXPECT_EQ(changes, before);
    grid->Core().SetDay(1);
    grid->Core().SetYear(9999);
    EXPECT_THROW(grid->Core().SetYear(10000), orr::EConvertError);
    EXPECT_EQ(grid->Core().Year(), 9999);
}

TEST_F(MonthGridInput, UseCurrentDateBringsTodayBackSilently)
{
    EXPECT_TRUE(grid->Core().UseCurrentDate());
    grid->Core().SetYear(1999);
    EXPECT_FALSE(grid->Core().UseCurrentDate());
    const int before = changes;
    grid->Core().SetUseCurrentDate(true);
    EXPECT_EQ(grid->Core().Year(), 2026);
    EXPECT_EQ(grid->Core().Month(), 2);
    EXPECT_EQ(grid->Core().Day(), 10);
    EXPECT_EQ(changes, before);
}

TEST_F(MonthGridInput, GridBaseRejectsCellsAndHeadingCountsOutsideTheGrid)
{
    EXPECT_THROW(grid->Core().MoveCurrentCell(7, 1, false, false), orr::EInvalidGridOperation);
    EXPECT_THROW(grid->Core().MoveCurrentCell(-1, 1, false, false), orr::EInvalidGridOperation);
    try {
        grid->Core().SetFixedRows(7);
        ADD_FAILURE() << "accepted 7 heading rows of 7";
    } catch (const orr::EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Fixed row count must be less than row count");
    }
    try {
        grid->Core().SetFixedCols(-1);
        ADD_FAILURE() << "accepted a negative heading count";
    } catch (const orr::EInvalidGridOperation& e) {
        EXPECT_STREQ(e.what(), "Grid index out of range");
    }
    EXPECT_THROW(grid->Core().SetFixedCols(7), orr::EInvalidGridOperation);
}

TEST(GridBase, UnsizedGridIsFiveByFiveDefaultCells)
{
    TCustomGrid base;
    EXPECT_EQ(base.size(), QSize(320, 120));
    EXPECT_EQ(base.Grid().CurrentCell(), (orr::GridCell{1, 1}));
    base.Grid().SetColCount(0);
    EXPECT_EQ(base.Grid().ColCount(), 1);
    EXPECT_EQ(base.Grid().FixedCols(), 0);
}

} // namespace
