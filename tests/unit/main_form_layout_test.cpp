// The window's layout under resizing: the record taken once at the design size, and
// every control's bounds and font following the client size from that record.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "tests/unit/main_form_fixture.h"

namespace orr::test {
namespace {

class Layout : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        design = view.components;
    }
    std::vector<std::optional<ControlState>> design;
};

TEST_F(Layout, RecordHoldsTheDesignSizeAndEveryComponent)
{
    form.FormShow();
    const auto& lines = view.layout;
    ASSERT_EQ(lines.size(), view.components.size() + 1);
    EXPECT_EQ(lines[0], "653 574 W/H Mainform1");
    auto line_of = [&](const char* name) { return lines.at(1 + mainform::index_of(name)); };
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(line_of("Label1"), "5 205 3 16 10 Label1");
    EXPECT_EQ(line_of("Calendar1"), "5 210 20 110 10 Calendar1");
    EXPECT_EQ(line_of("GroupBox1"), "8 637 522 49 12 GroupBox1");
    EXPECT_EQ(line_of("Year_Edit"), "107 75 17 23 12 Year_Edit");
    EXPECT_EQ(lines.back(), "0");
    EXPECT_EQ(view.calls("HideScrollBars").size(), 1u);
}

TEST_F(Layout, SecondStartUpKeepsTheFirstRecord)
{
    form.FormShow();
    const auto first = view.layout;
    view.SetClientSize(1306, 1148);
    view.components[mainform::index_of("Label1")]->font_height = -40;
    form.FormShow();
    EXPECT_EQ(view.layout, first);
    EXPECT_EQ(view.components, design) << "defaults give the design size again";
}

TEST_F(Layout, ResizesBeforeTheRecordChangeNothing)
{
    view.SetClientSize(1306, 1148);
    form.FormResize(1306, 1148);
    EXPECT_EQ(view.components, design);
    EXPECT_TRUE(view.calls("Label1.Bounds").empty());
}

struct Scaled {
    int client_width;
    int client_height;
    ControlState expected;
};

class ScaleLayout : public Layout, public ::testing::WithParamInterface<Scaled> {};

TEST_P(ScaleLayout, BoundsFollowTheirRatioAndFontsTheSmaller)
{
    form.FormShow();
    view.SetClientSize(GetParam().client_width, GetParam().client_height);
    EXPECT_EQ(view.named(GetParam().expected.name), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaleLayout,
                         ::testing::Values(
                             // At the design size.
                             Scaled{653, 574, {5, 20, 210, 110, -13, "Calendar1"}},
                             Scaled{653, 574, {107, 17, 75, 23, -16, "Year_Edit"}},
                             // Twice the size: 10 points become 20 and 12 become 24.
                             Scaled{1306, 1148, {10, 6, 410, 32, -27, "Label1"}},
                             Scaled{1306, 1148, {872, 820, 420, 220, -27, "Calendar12"}},
                             Scaled{1306, 1148, {214, 34, 150, 46, -32, "Year_Edit"}},
                             // Wider or taller only: the other axis and the fonts stay.
                             Scaled{1306, 574, {10, 20, 420, 110, -13, "Calendar1"}},
                             Scaled{1306, 574, {16, 522, 1274, 49, -16, "GroupBox1"}},
                             Scaled{653, 1148, {5, 40, 210, 220, -13, "Calendar1"}},
                             // Just below the design size every value truncates.
                             Scaled{646, 568, {4, 2, 202, 15, -12, "Label1"}},
                             Scaled{646, 568, {431, 405, 207, 108, -12, "Calendar12"}},
                             Scaled{646, 568, {7, 516, 630, 48, -15, "GroupBox1"}}));

TEST_F(Layout, AnySizesAndBackGiveExactlyTheDesign)
{
    form.FormShow();
    for (auto [w, h] : {std::pair{200, 100}, {1999, 1501}, {654, 575}, {1, 1}, {1306, 574}, {652, 573}})
        view.SetClientSize(w, h);
    view.SetClientSize(653, 574);
    EXPECT_EQ(view.components, design);
}

TEST_F(Layout, TinyWindowKeepsFontsOfAtLeastOnePoint)
{
    form.FormShow();
    view.SetClientSize(13, 11);
    for (const auto& c : view.components) {
        if (c) {
            EXPECT_EQ(c->font_height, -1) << c->name;
        }
    }
    EXPECT_EQ(view.named("Calendar12"), (ControlState{8, 7, 4, 2, -1, "Calendar12"}));
}

TEST_F(Layout, MaximiseAndRestoreScaleFromTheRecord)
{
    form.FormShow();
    view.ShowWindow(kShowMaximized);
    EXPECT_EQ(view.named("GroupBox1")->width, 637 * (1920 - kFrameWidth) / 653);
    view.ShowWindow(kShowRestore);
    EXPECT_EQ(view.components, design);
}

} // namespace
} // namespace orr::test
