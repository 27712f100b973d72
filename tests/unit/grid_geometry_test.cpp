#include <gtest/gtest.h>

#include "monthgrid/grid_geometry.h"

using namespace orr;

namespace {

GridAxis month_axis(int client, int line)
{
    return {7, 0, fitted_cell_extent(client, line, 7), line, client};
}

TEST(MonthCellSizing, DesignGridHasTheWorkedExampleGeometry)
{
    // 210 x 110 with a 2-pixel sunken edge leaves a 206 x 106 client.
    const GridAxis x = month_axis(206, 1);
    const GridAxis y = month_axis(106, 1);
    EXPECT_EQ(x.cell, 28);
    EXPECT_EQ(y.cell, 14);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(x.start(i), i * 29);
        EXPECT_EQ(x.end(i), i * 29 + 28); // the vertical line lies right after
        EXPECT_EQ(y.start(i), i * 15);
    }
    EXPECT_EQ(x.full_visible_count(), 7);
    EXPECT_EQ(x.boundary(), 203); // strip 203..205
    EXPECT_EQ(y.boundary(), 105); // strip row 105
}

TEST(MonthCellSizing, ExactFitLeavesNoStripAndPushesTheLastLineOut)
{
    const GridAxis x = month_axis(209, 1);
    EXPECT_EQ(x.cell, 29);
    EXPECT_EQ(x.full_visible_count(), 7);
    EXPECT_EQ(x.boundary(), 210);
    EXPECT_EQ(x.end(6), 209); // the seventh line is just outside the client
}

TEST(MonthCellSizing, NoLinesSplitsTheClientIntoSevenths)
{
    EXPECT_EQ(fitted_cell_extent(206, 0, 7), 29);
    EXPECT_EQ(fitted_cell_extent(106, 0, 7), 15);
    const GridAxis x = month_axis(206, 0);
    EXPECT_EQ(x.boundary(), 203);
}

TEST(MonthCellSizing, TinyClientGivesEmptyCellsWithoutFailing)
{
    EXPECT_EQ(fitted_cell_extent(12, 1, 7), 0);
    EXPECT_EQ(fitted_cell_extent(3, 1, 7), 0); // signed division truncates toward zero
    EXPECT_EQ(fitted_cell_extent(0, 2, 7), -1);
    // Empty cells of pitch 1: four lines end within 3 + 1 pixels.
    const GridAxis x = month_axis(3, 1);
    EXPECT_EQ(x.full_visible_count(), 4);
    EXPECT_EQ(x.boundary(), 4);
}

TEST(MonthCellSizing, WiderLinesTakeTheirShare)
{
    const GridAxis x = month_axis(206, 3);
    EXPECT_EQ(x.cell, (206 - 18) / 7);
    EXPECT_EQ(x.start(1), x.cell + 3);
    // Only cells whose line ends within client + line count as fully visible.
    EXPECT_EQ(x.full_visible_count(), 7);
    EXPECT_EQ(x.boundary(), 7 * 29); // a 3-pixel strip is left
    EXPECT_EQ(month_axis(200, 3).full_visible_count(), 7) << "its line wholly outside, a cell still counts";
}

TEST(HitTesting, ALinePixelBelongsToTheCellBeforeIt)
{
    const GridAxis x = month_axis(206, 1);
    EXPECT_EQ(x.cell_at(0), 0);
    EXPECT_EQ(x.cell_at(27), 0);
    EXPECT_EQ(x.cell_at(28), 0);
    EXPECT_EQ(x.cell_at(29), 1);
    EXPECT_EQ(x.cell_at(202), 6);
    EXPECT_EQ(x.cell_at(203), -1);
    EXPECT_EQ(x.cell_at(-1), -1);
}

TEST(HitTesting, PartiallyVisibleCellsAreCountedOnlyWhenTheirLineFits)
{
    const GridAxis x{7, 0, 30, 1, 200};
    EXPECT_EQ(x.full_visible_count(), 6); // 6 * 31 = 186 <= 201, 7 * 31 = 217 > 201
    EXPECT_EQ(x.boundary(), 186);
}

} // namespace
