// How the shared month grid answers the mouse, keys and wheel, when it notifies,
// how it sizes its cells and how the grid base guards its counts.
#include <gtest/gtest.h>

#include "core/clock.h"
#include "core/error.h"
#include "monthgrid/month_grid.h"
#include "recording_grid.h"

using namespace orr;
using namespace orr::test;

namespace {

class MonthGridInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_clock(&clock_); // 10 February 2026; the month starts on a Sunday
        grid = std::make_unique<MonthGrid>();
        grid->Attach(&host);
        grid->Resize(206, 106);
        grid->OnClick = [this] { ++clicks; };
        grid->OnDblClick = [this] { ++double_clicks; };
        grid->OnChange = [this] {
            ++changes;
            // Notified after the layout has followed the new date.
            const GridCell cell = grid->CurrentCell();
            EXPECT_EQ(grid->DayCellText(cell.col, cell.row), std::to_string(grid->Day()));
        };
    }
    void TearDown() override { set_clock(nullptr); }

    Point centre(int col, int row) const
    {
        const Rect r = grid->CellRect(col, row);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void click(int col, int row)
    {
        grid->MouseDown(centre(col, row), false);
        grid->MouseUp(centre(col, row));
    }

    FixedClock clock_{{2026, 2, 10, 12, 0, 0, 0}};
    RecordingHost host;
    std::unique_ptr<MonthGrid> grid;
    int clicks = 0;
    int double_clicks = 0;
    int changes = 0;
};

TEST_F(MonthGridInput, ReadOnlyGridKeepsItsDayButStillClicks)
{
    grid->SetReadOnly(true);
    const GridCell held = grid->CurrentCell();
    click(4, 4);
    EXPECT_TRUE(host.active) << "a press takes the focus";
    grid->KeyDown(GridKey::Right, false);
    grid->KeyDown(GridKey::Down, false);
    grid->KeyDown(GridKey::End, true);
    grid->Wheel(-120);
    EXPECT_EQ(grid->CurrentCell(), held);
    EXPECT_EQ(grid->Day(), 10);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 5) << "one click and four aimed moves";
    grid->SetDay(20);
    EXPECT_EQ(grid->CurrentCell(), (GridCell{5, 3})) << "only a new date moves a read-only selection";
}

TEST_F(MonthGridInput, EditableGridTakesTheClickedDay)
{
    click(5, 3);
    EXPECT_EQ(grid->Day(), 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    click(2, 5); // blank after the 28th
    EXPECT_EQ(grid->CurrentCell(), (GridCell{5, 3})) << "a blank cell is never selected";
    EXPECT_EQ(grid->Day(), 20);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 2);
    grid->MouseDown(centre(3, 0), false); // heading
    EXPECT_FALSE(grid->IsSelecting());
    grid->MouseUp(centre(3, 0));
    EXPECT_EQ(clicks, 2) << "a press on the heading is no click";
    EXPECT_TRUE(host.active);
}

TEST_F(MonthGridInput, DragFollowsThePointerAndTheReleaseSetsTheDay)
{
    grid->MouseDown(centre(1, 2), false);
    EXPECT_TRUE(grid->IsSelecting());
    grid->MouseMove(centre(3, 4));
    EXPECT_EQ(grid->CurrentCell(), (GridCell{3, 4}));
    EXPECT_EQ(changes, 0) << "the day changes on release";
    grid->MouseUp({-5, 300}); // released outside the grid: the last cell stands
    EXPECT_FALSE(grid->IsSelecting());
    EXPECT_EQ(grid->Day(), 25);
    EXPECT_EQ(changes, 1);
    grid->MouseMove(centre(0, 1));
    EXPECT_EQ(grid->Day(), 25) << "moving with the button up selects nothing";
}

TEST_F(MonthGridInput, GesturesThatEndWithoutAClick)
{
    host.focusable = false; // the press cannot make the grid the active control
    click(5, 3);
    EXPECT_EQ(grid->Day(), 10);
    EXPECT_EQ(clicks, 0);

    host.focusable = true;
    grid->MouseDown(centre(5, 3), true);
    EXPECT_EQ(double_clicks, 1);
    EXPECT_FALSE(grid->IsSelecting()) << "a double click does nothing else";
    grid->MouseUp(centre(5, 3));
    EXPECT_EQ(clicks, 0);

    grid->MouseDown(centre(5, 3), false);
    grid->CancelGesture(); // the platform took the mouse away
    grid->MouseUp(centre(5, 3));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(grid->CurrentCell(), (GridCell{5, 3})) << "the press itself moved the selection";
    EXPECT_EQ(grid->Day(), 10) << "but the day follows only a click";
    EXPECT_EQ(changes, 0);
}

TEST_F(MonthGridInput, NavigationKeysAimInsideTheBody)
{
    struct Step {
        GridKey key;
        bool ctrl;
        int day;
    };
    for (const Step& step :
         {Step{GridKey::Right, false, 11}, Step{GridKey::Down, false, 18}, Step{GridKey::Home, false, 15},
          Step{GridKey::End, false, 21}, Step{GridKey::Up, true, 7}, Step{GridKey::Home, true, 1},
          Step{GridKey::PageDown, false, 1} /* row 6 is blank: refused */,
          Step{GridKey::End, true, 1} /* blank too */, Step{GridKey::Left, false, 1}}) {
        grid->KeyDown(step.key, step.ctrl);
        EXPECT_EQ(grid->Day(), step.day) << static_cast<int>(step.key) << (step.ctrl ? " with Ctrl" : "");
    }
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(clicks, 8) << "Left from column 0 aims at the same cell: no click";
    grid->KeyDown(GridKey::Up, false);
    EXPECT_EQ(grid->CurrentCell(), (GridCell{0, 1})) << "the heading is outside the body";
    EXPECT_EQ(clicks, 8);
}

TEST_F(MonthGridInput, WheelStepsOneRowWithinTheBody)
{
    grid->Wheel(-120);
    EXPECT_EQ(grid->Day(), 17);
    grid->Wheel(120);
    grid->Wheel(120);
    EXPECT_EQ(grid->Day(), 3);
    grid->Wheel(120); // already in the first body row
    EXPECT_EQ(grid->Day(), 3);
    EXPECT_EQ(clicks, 3);
}

TEST_F(MonthGridInput, RepaintsOnlyWhatChanged)
{
    host.invalidated.clear();
    grid->FocusChanged();
    EXPECT_EQ(host.invalidated, (std::vector<Rect>{grid->CellRect(2, 2)}));
    host.invalidated.clear();
    grid->MoveCurrentCell(3, 3, true, true);
    EXPECT_EQ(host.invalidated, (std::vector<Rect>{grid->CellRect(2, 2), grid->CellRect(3, 3)}));
    host.invalidated.clear();
    grid->MoveCurrentCell(3, 0, true, true);
    EXPECT_EQ(grid->CurrentCell(), (GridCell{3, 3})) << "a heading cell is never selected";
    EXPECT_TRUE(host.invalidated.empty());
}

TEST_F(MonthGridInput, DateChangesNotifyOnceAndEqualValuesNever)
{
    grid->SetYear(2026);
    grid->SetMonth(2);
    grid->SetDay(10);
    grid->SetDatePart(4, 1);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid->GetDatePart(0), -1);
    grid->SetYear(2027);
    EXPECT_EQ(changes, 1);
    grid->SetDay(31); // beyond February: ignored
    grid->SetMonth(13);
    grid->SetStartOfWeek(1);
    EXPECT_EQ(changes, 1) << "start of week is no date change";
    EXPECT_EQ(grid->FirstCellOffset(), 1) << "1 February 2027 is a Monday";
    EXPECT_EQ(grid->DayCellText(0, 0), "Mon");
}

TEST_F(MonthGridInput, InvalidDateRaisesAndLeavesTheGridAlone)
{
    grid->SetMonth(1);
    grid->SetDay(31);
    const int before = changes;
    const GridCell cell = grid->CurrentCell();
    EXPECT_THROW(grid->SetMonth(2), EConvertError);
    EXPECT_EQ(grid->Month(), 1);
    EXPECT_EQ(grid->CurrentCell(), cell);
    EXPECT_EQ(changes, before);
    grid->SetDay(1);
    grid->SetYear(9999);
    EXPECT_THROW(grid->SetYear(10000), EConvertError);
    EXPECT_EQ(grid->Year(), 9999);
}

TEST_F(MonthGridInput, UseCurrentDateBringsTodayBackSilently)
{
    EXPECT_TRUE(grid->UseCurrentDate());
    grid->SetYear(1999);
    EXPECT_FALSE(grid->UseCurrentDate());
    const int before = changes;
    clock_.set({2026, 3, 5, 9, 0, 0, 0});
    grid->SetUseCurrentDate(true);
    EXPECT_EQ(grid->Year() * 10000 + grid->Month() * 100 + grid->Day(), 20260305);
    EXPECT_EQ(changes, before);
}

TEST_F(MonthGridInput, EveryNewHeldDateRenamesTheGridNotifiedOrNot)
{
    int renames = 0;
    grid->OnHeldDateChange = [&] { ++renames; };
    grid->SetYear(2026);
    grid->SetStartOfWeek(1);
    EXPECT_EQ(renames, 0);
    grid->SetDay(11);
    EXPECT_EQ(renames, 1);
    grid->SetUseCurrentDate(true); // back to the 10th
    EXPECT_EQ(renames, 2);
    grid->SetUseCurrentDate(false);
    grid->SetUseCurrentDate(true); // the 10th again
    EXPECT_EQ(renames, 2);
}

TEST_F(MonthGridInput, CellsFollowEverySizeMessage)
{
    EXPECT_EQ(grid->CellWidth(), 28);
    EXPECT_EQ(grid->CellHeight(), 14);
    grid->SetGridLineWidth(0);
    EXPECT_EQ(grid->CellWidth(), 28) << "the line width alone resizes nothing";
    grid->Resize(206, 106);
    EXPECT_EQ(grid->CellWidth(), 206 / 7);
    EXPECT_EQ(grid->CellHeight(), 106 / 7);
    grid->SetGridLineWidth(1);
    grid->Resize(3, 12);
    EXPECT_EQ(grid->CellWidth(), 0) << "(3 - 6) div 7 truncates toward zero";
    EXPECT_EQ(grid->CellHeight(), 0);
}

// Grids that redefine the month's length through the overridable operations.
class NoLeapYears : public MonthGrid {
public:
    bool IsLeap(int) const override { return false; }
};
class FirstFortnight : public MonthGrid {
public:
    int ShownMonthDayCount() const override { return 14; }
};

TEST_F(MonthGridInput, OverriddenMonthLengthsRuleTheCellsAndTheDayChecks)
{
    clock_.set({2024, 2, 1, 12, 0, 0, 0}); // February 2024 starts on a Thursday: day 29 at (4, 5)
    NoLeapYears no_leap;
    no_leap.Attach(&host);
    no_leap.Resize(206, 106);
    EXPECT_EQ(no_leap.MonthDayCount(2024, 2), 28);
    EXPECT_EQ(no_leap.ShownMonthDayCount(), 28);
    EXPECT_EQ(no_leap.DayCellText(3, 5), "28");
    EXPECT_EQ(no_leap.DayCellText(4, 5), "");
    no_leap.SetDay(29);
    EXPECT_EQ(no_leap.Day(), 1) << "beyond the month as the grid counts it: ignored";
    const Rect day29 = no_leap.CellRect(4, 5);
    const Point inside{day29.left + 1, day29.top + 1};
    no_leap.MouseDown(inside, false);
    no_leap.MouseUp(inside);
    EXPECT_EQ(no_leap.CurrentCell(), (GridCell{4, 1})) << "day 29 is a blank cell";

    FirstFortnight fortnight;
    EXPECT_EQ(fortnight.DayCellText(4, 2), "8");
    EXPECT_EQ(fortnight.DayCellText(4, 3), "");
    fortnight.SetDay(15);
    EXPECT_EQ(fortnight.Day(), 1);
    fortnight.SetDay(14);
    EXPECT_EQ(fortnight.Day(), 14);
}

TEST(WeekdayNames, LocaleNamesComeMondayFirstAndMissingOnesFallBack)
{
    const WeekdayNames names = weekday_names_from_monday_first({"lu", "ma", "", "je", "ve", "sa", "di"});
    EXPECT_EQ(names, (WeekdayNames{"di", "lu", "ma", "Wed", "je", "ve", "sa"}));
    EXPECT_EQ(weekday_names_from_monday_first({}), fallback_weekday_names());
    // A locale asked by weekday number, 1 = Sunday, answers Monday first.
    EXPECT_EQ(monday_first_names([](int weekday) { return std::to_string(weekday); }),
              (WeekdayNames{"2", "3", "4", "5", "6", "7", "1"}));
}

TEST(GridBase, GuardsItsCountsAndCells)
{
    GridBase base;
    EXPECT_EQ(base.DefaultSize(), (Size{320, 120}));
    EXPECT_EQ(base.CurrentCell(), (GridCell{1, 1}));
    EXPECT_THROW(base.MoveCurrentCell(5, 1, false, false), EInvalidGridOperation);
    EXPECT_THROW(base.MoveCurrentCell(1, -1, false, false), EInvalidGridOperation);
    const auto message = [&](auto action) {
        try {
            action();
        } catch (const EInvalidGridOperation& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message([&] { base.SetFixedRows(5); }), "Fixed row count must be less than row count");
    EXPECT_EQ(message([&] { base.SetFixedCols(5); }), "Fixed column count must be less than column count");
    EXPECT_EQ(message([&] { base.SetFixedCols(-1); }), "Grid index out of range");
    base.SetFixedRows(2);
    EXPECT_EQ(base.CurrentCell(), (GridCell{1, 2})) << "a new heading count resets the current cell";
    base.SetColCount(0);
    EXPECT_EQ(base.ColCount(), 1);
    EXPECT_EQ(base.FixedCols(), 0);
    EXPECT_EQ(base.CurrentCell().col, 0);
}

} // namespace
