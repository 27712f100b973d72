#include <gtest/gtest.h>

#include "app/scaling/layout_record.h"
#include "app/scaling/screen_density.h"

using namespace orr;

namespace {

TEST(ExtractInteger, KeepsDigitsAndOneLeadingSign)
{
    EXPECT_EQ(Extract_Integer("W/H"), 0);
    EXPECT_EQ(Extract_Integer("Calendar12"), 12);
    EXPECT_EQ(Extract_Integer("-12"), -12);
    EXPECT_EQ(Extract_Integer("+7"), 7);
    EXPECT_EQ(Extract_Integer("1-2"), 12) << "a sign after the first place is dropped";
    EXPECT_EQ(Extract_Integer("x-1-2"), -12);
    EXPECT_EQ(Extract_Integer(""), 0);
    EXPECT_EQ(Extract_Integer("-"), 0);
    EXPECT_EQ(Extract_Integer("99999999999"), 2147483647);
    EXPECT_EQ(Extract_Integer("-99999999999"), -2147483647 - 1);
}

TEST(GetField, CountsFieldsBetweenDelimiters)
{
    const std::string line = "5 205 3 16 10 Label1";
    const int expected[] = {5, 205, 3, 16, 10, 1};
    for (int n = 1; n <= 6; ++n)
        EXPECT_EQ(Get_Field(line, " ", n), expected[n - 1]) << n;
    EXPECT_EQ(Get_Field(line, " ", 9), 1) << "beyond the last field gives the last";
    EXPECT_EQ(Get_Field("653 574 W/H Mainform1", " ", 1), 653);
    EXPECT_EQ(Get_Field("653 574 W/H Mainform1", " ", 2), 574);
    EXPECT_EQ(Get_Field("653 574 W/H Mainform1", " ", 3), 0);
    EXPECT_EQ(Get_Field("1  3", " ", 2), 0) << "consecutive delimiters give an empty field";
    EXPECT_EQ(Get_Field("1  3", " ", 3), 3);
    EXPECT_EQ(Get_Field("a::-4::b", "::", 2), -4);
}

TEST(PointSizes, FollowTheScreenResolutionBothWays)
{
    EXPECT_EQ(point_size_from_height(-13, 96), 10);
    EXPECT_EQ(point_size_from_height(-16, 96), 12);
    EXPECT_EQ(point_size_from_height(-15, 96), 11);
    EXPECT_EQ(point_size_from_height(-2, 96), 2) << "1.5 rounds away from zero";
    EXPECT_EQ(point_size_from_height(-13, 120), 8);
    EXPECT_EQ(height_from_point_size(10, 96), -13);
    EXPECT_EQ(height_from_point_size(12, 96), -16);
    EXPECT_EQ(height_from_point_size(20, 96), -27);
    EXPECT_EQ(height_from_point_size(3, 96), -4);
}

TEST(RecordLines, DesignValuesOfTheYearView)
{
    EXPECT_EQ(window_line(653, 574), "653 574 W/H Mainform1");
    EXPECT_EQ(control_line({5, 3, 205, 16, 10}, "Label1"), "5 205 3 16 10 Label1");
    EXPECT_EQ(control_line({5, 20, 210, 110, 10}, "Calendar1"), "5 210 20 110 10 Calendar1");
    EXPECT_EQ(control_line({8, 522, 637, 49, 12}, "GroupBox1"), "8 637 522 49 12 GroupBox1");
    EXPECT_EQ(control_line({107, 17, 75, 23, 12}, "Year_Edit"), "107 75 17 23 12 Year_Edit");
    EXPECT_EQ(control_line({-3, 0, 1, 2, 8}, "X"), "-3 1 0 2 8 X");
}

TEST(Ratios, FontFollowsTheSmallerRatioAndTheWidthOnATie)
{
    ScaleRatios r = scale_ratios(1306, 574, 653, 574);
    EXPECT_DOUBLE_EQ(r.width, 2.0);
    EXPECT_DOUBLE_EQ(r.height, 1.0);
    EXPECT_DOUBLE_EQ(r.font, 1.0);
    r = scale_ratios(653, 1148, 653, 574);
    EXPECT_DOUBLE_EQ(r.font, 1.0);
    r = scale_ratios(1306, 1148, 653, 574);
    EXPECT_DOUBLE_EQ(r.font, 2.0);
}

TEST(ScaledBounds, TruncateTowardZero)
{
    const std::string calendar = control_line({5, 20, 210, 110, 10}, "Calendar1");
    EXPECT_EQ(scaled_bounds(calendar, {1.0, 1.0, 1.0}), (ControlBounds{5, 20, 210, 110, 10}));
    EXPECT_EQ(scaled_bounds(calendar, {2.0, 2.0, 2.0}), (ControlBounds{10, 40, 420, 220, 20}));
    EXPECT_EQ(scaled_bounds(calendar, {2.0, 1.0, 1.0}), (ControlBounds{10, 20, 420, 110, 10}));
    const std::string label = control_line({5, 3, 205, 16, 10}, "Label1");
    EXPECT_EQ(scaled_bounds(label, {0.99, 0.99, 0.99}), (ControlBounds{4, 2, 202, 15, 9}));
    EXPECT_EQ(scaled_bounds("-7 10 0 0 10 X", {1.5, 1.0, 1.0})->left, -10) << "toward zero, not down";
    EXPECT_FALSE(scaled_bounds(kNonVisualLine, {2.0, 2.0, 2.0}));
}

TEST(ScaledBounds, TinyWindowKeepsAValidFont)
{
    const std::string label = control_line({5, 3, 205, 16, 10}, "Label1");
    EXPECT_EQ(scaled_bounds(label, {0.01, 0.01, 0.01})->point_size, 1);
    EXPECT_EQ(scaled_bounds(label, {0.0, 0.0, 0.0})->point_size, 1);
}

} // namespace

namespace {

TEST(ScreenDensity, DesignLengthsAndFontsGrowWithTheDensityAndStayAt96)
{
    struct Case {
        int design, dpi, expected;
    };
    const Case cases[] = {
        {653, 96, 653},   {574, 96, 574},  {1, 96, 1},    {-13, 96, -13}, {0, 192, 0},
        {653, 192, 1306}, {1, 192, 2},     {-13, 192, -26}, {-16, 192, -32},
        {1, 144, 2},      {23, 144, 35},   {-13, 144, -20}, {5, 120, 6},   {210, 120, 263},
        {1, 72, 1},       {3, 72, 2},      {-1, 144, -2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(at_density(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi;
}

TEST(ScreenDensity, PixelArtGrowsByWholeFactorsOnly)
{
    EXPECT_EQ(pixel_art_factor(96), 1);
    EXPECT_EQ(pixel_art_factor(72), 1) << "never smaller than drawn";
    EXPECT_EQ(pixel_art_factor(144), 1) << "a factor of 2 would outgrow a button 1.5 times as large";
    EXPECT_EQ(pixel_art_factor(192), 2);
    EXPECT_EQ(pixel_art_factor(288), 3);
}

} // namespace
