// What a month grid draws, call by call: lines, cells, edges, focus and strips.
#include <algorithm>
#include <gtest/gtest.h>

#include "core/clock.h"
#include "monthgrid/grid_painter.h"
#include "monthgrid/month_grid.h"
#include "recording_grid.h"

using namespace orr;
using namespace orr::test;

namespace {

constexpr int kClientWidth = 206; // 210 x 110 less a 2-pixel sunken edge
constexpr int kClientHeight = 106;

class MonthGridPainting : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_clock(&clock_); // 10 February 2026; the month starts on a Sunday
        grid = std::make_unique<MonthGrid>();
        grid->Attach(&host);
        grid->Resize(kClientWidth, kClientHeight);
    }
    void TearDown() override { set_clock(nullptr); }

    void paint(std::vector<Rect> region = {{0, 0, kClientWidth, kClientHeight}})
    {
        canvas.calls.clear();
        paint_grid(*grid, canvas, region);
    }

    static std::vector<Line> verticals(int top, int bottom)
    {
        std::vector<Line> lines;
        for (int x = 28; x <= 202; x += 29)
            lines.push_back({{x, top}, {x, bottom}});
        return lines;
    }

    FixedClock clock_{{2026, 2, 10, 12, 0, 0, 0}};
    RecordingHost host;
    RecordingCanvas canvas;
    std::unique_ptr<MonthGrid> grid;
};

TEST_F(MonthGridPainting, LinesAreBlackInTheHeadingAndSilverInTheBody)
{
    paint();
    const auto lines = canvas.all<LinesCall>();
    ASSERT_EQ(lines.size(), 4u) << "one multi-line call per axis and area";
    std::vector<Line> body_rows;
    for (int y = 29; y <= 104; y += 15)
        body_rows.push_back({{0, y}, {203, y}});

    EXPECT_EQ(lines[0].lines, verticals(0, 15));
    EXPECT_EQ(lines[0].colour, clBlack);
    EXPECT_EQ(lines[1].lines, (std::vector<Line>{{{0, 14}, {203, 14}}}));
    EXPECT_EQ(lines[1].colour, clBlack);
    EXPECT_EQ(lines[2].lines, verticals(15, 105));
    EXPECT_EQ(lines[2].colour, clSilver);
    EXPECT_EQ(lines[3].lines, body_rows);
    EXPECT_EQ(lines[3].colour, clSilver);
    for (const LinesCall& call : lines)
        EXPECT_EQ(call.width, 1);
}

TEST_F(MonthGridPainting, CellsGoRowByRowWithHeadingEdgesAndTheHeldDayHighlighted)
{
    paint();
    // After the lines: each cell's fill and text, heading edges, then two strips.
    auto call = canvas.calls.begin() + 4;
    for (int row = 0; row < kMonthRows; ++row) {
        for (int col = 0; col < kMonthColumns; ++col) {
            const Rect rect{col * 29, row * 15, col * 29 + 28, row * 15 + 14};
            const bool held = GridCell{col, row} == GridCell{2, 2}; // 10 February
            const Colour brush = row == 0 ? clBtnFace : held ? clHighlight : clWindow;
            const auto* fill = std::get_if<FillCall>(&*call++);
            ASSERT_NE(fill, nullptr) << col << "," << row;
            EXPECT_EQ(fill->rect, rect);
            EXPECT_EQ(fill->brush, brush);
            const auto* text = std::get_if<TextCall>(&*call++);
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(text->clip, rect);
            EXPECT_EQ(text->text, grid->DayCellText(col, row));
            EXPECT_EQ(text->brush, brush);
            EXPECT_EQ(text->text_colour, held ? clHighlightText : clWindowText);
            if (row == 0) {
                const auto* first = std::get_if<EdgeCall>(&*call++);
                const auto* second = std::get_if<EdgeCall>(&*call++);
                ASSERT_TRUE(first && second);
                EXPECT_EQ(first->sides, kEdgeRight | kEdgeBottom);
                EXPECT_EQ(second->sides, kEdgeLeft | kEdgeTop);
                EXPECT_EQ(first->rect, rect);
            }
        }
    }
    const auto* right = std::get_if<FillCall>(&*call++);
    const auto* bottom = std::get_if<FillCall>(&*call++);
    ASSERT_TRUE(right && bottom);
    EXPECT_EQ(right->rect, (Rect{203, 0, 206, 105}));
    EXPECT_EQ(bottom->rect, (Rect{0, 105, 206, 106}));
    EXPECT_EQ(right->brush, clWindow);
    EXPECT_EQ(call, canvas.calls.end());
    EXPECT_EQ(grid->DayCellText(0, 0), "Sun");
    EXPECT_EQ(grid->DayCellText(2, 2), "10");
}

TEST_F(MonthGridPainting, FocusRectangleOnlyOnTheHeldDayOfTheActiveControl)
{
    paint();
    EXPECT_TRUE(canvas.all<FocusCall>().empty());
    host.active = true;
    paint();
    const auto focus = canvas.all<FocusCall>();
    ASSERT_EQ(focus.size(), 1u);
    EXPECT_EQ(focus[0].rect, grid->CellRect(2, 2));
    // Still highlighted while focused.
    const auto texts = canvas.all<TextCall>();
    const auto held = std::find_if(texts.begin(), texts.end(),
                                   [&](const TextCall& t) { return t.clip == grid->CellRect(2, 2); });
    ASSERT_NE(held, texts.end());
    EXPECT_EQ(held->brush, clHighlight);
}

TEST_F(MonthGridPainting, SilverBodyGetsGrayLines)
{
    canvas.system_colours[SystemColour::Window] = 0xC0C0C0;
    paint();
    EXPECT_EQ(canvas.all<LinesCall>()[2].colour, clGray);
    EXPECT_EQ(canvas.all<LinesCall>()[0].colour, clBlack);
}

TEST_F(MonthGridPainting, TextIsCentredEvenWhenWiderThanItsCell)
{
    grid->SetWeekdayNames({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sunday-long"});
    paint();
    const auto texts = canvas.all<TextCall>();
    // "10" is 12 pixels wide and 13 high in a 28 x 14 cell: 8 in, 0 down.
    EXPECT_EQ(texts[7 + 7 + 2].at, (Point{58 + 8, 30 + 0}));
    // 66 pixels of "Sunday-long" start left of their cell, cut off at its edges.
    EXPECT_EQ(texts[0].text, "Sunday-long");
    EXPECT_EQ(texts[0].at, (Point{(28 - 66) / 2, 0}));
    EXPECT_EQ(texts[0].clip, (Rect{0, 0, 28, 14}));
}

TEST_F(MonthGridPainting, OnlyCellsInTheRegionArePainted)
{
    paint({grid->CellRect(3, 4)});
    const auto texts = canvas.all<TextCall>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "25");
}

TEST_F(MonthGridPainting, ExactFitLeavesNoRightStrip)
{
    grid->Resize(209, kClientHeight);
    ASSERT_EQ(grid->CellWidth(), 29);
    paint();
    const auto fills = canvas.all<FillCall>();
    EXPECT_EQ(fills.back().rect, (Rect{0, 105, 209, 106})) << "only the bottom strip";
    EXPECT_EQ(fills[fills.size() - 2].rect, grid->CellRect(6, 6));
    EXPECT_EQ(canvas.all<LinesCall>()[0].lines.back().from.x, 209) << "the seventh line falls outside";
}

TEST_F(MonthGridPainting, LineWidthZeroDrawsNoLinesAndWideLinesKeepTheirGap)
{
    grid->SetGridLineWidth(0);
    grid->Resize(kClientWidth + 1, kClientHeight); // the next size message refits the cells
    EXPECT_EQ(grid->CellWidth(), 207 / 7);
    paint();
    EXPECT_TRUE(canvas.all<LinesCall>().empty());

    grid->SetGridLineWidth(3);
    grid->Resize(kClientWidth, kClientHeight);
    ASSERT_EQ(grid->CellWidth(), (206 - 18) / 7);
    paint();
    const LinesCall first = canvas.all<LinesCall>()[0];
    EXPECT_EQ(first.width, 3);
    EXPECT_EQ(first.lines[0].from.x, 26 + 1) << "centred on the 3-pixel gap after the cell";
    EXPECT_EQ(first.lines[1].from.x, 29 + 26 + 1);
}

TEST_F(MonthGridPainting, LinesSwitchedOffTakeTheAreaColourAndGoUnderneath)
{
    grid->SetOptions(kVertLine | kHeadingHorzLine | kDrawFocusSelected);
    paint();
    const auto lines = canvas.all<LinesCall>();
    ASSERT_EQ(lines.size(), 4u);
    // Heading: vertical lines in the heading colour, then the black line under it.
    EXPECT_EQ(lines[0].colour, clBtnFace);
    EXPECT_EQ(lines[1].colour, clBlack);
    // Body without horizontal lines: those go first in the body colour, silver over them.
    EXPECT_EQ(lines[2].lines.front().from, (Point{0, 29}));
    EXPECT_EQ(lines[2].colour, clWindow);
    EXPECT_EQ(lines[3].colour, clSilver);
    // The heading edge reaches over the missing vertical line; only bottom and top are drawn.
    const auto edges = canvas.all<EdgeCall>();
    EXPECT_EQ(edges[0].rect, (Rect{0, 0, 29, 14}));
    EXPECT_EQ(edges[0].sides, kEdgeBottom);
    EXPECT_EQ(edges[1].sides, kEdgeTop);
}

} // namespace
