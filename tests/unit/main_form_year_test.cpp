// What the year view shows: the year and its grids after each command, the red month,
// the title-bar clock and the button glyphs.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/glyph_pixels.h"
#include "app/title_clock.h"
#include "tests/unit/main_form_fixture.h"

namespace orr::test {
namespace {

constexpr int kRed = MainForm::kHighlightColour;
constexpr int kBlack = MainForm::kPlainColour;

class YearView : public MainFormTest {
protected:
    void ExpectLabels(int red_month, int others)
    {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(view.label_colour[month], month == red_month ? kRed : others) << "Label" << month;
    }
    void ExpectGridsShow(int year)
    {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(view.grids[month], (GridDate{1, month, year})) << "Calendar" << month;
    }
};

TEST_F(YearView, StartUpShowsTodaysYearWithTodaysMonthRed)
{
    form.FormShow();
    EXPECT_EQ(view.year_text, "2026");
    ExpectGridsShow(2026);
    ExpectLabels(3, kWindowTextColour);
    EXPECT_EQ(form.Current_Year, 2026);
    EXPECT_EQ(form.Current_Month, 3);
}

TEST_F(YearView, GridsTakeDayOneThenTheirMonthThenTheYear)
{
    form.Current_Year_BitBtnClick();
    std::vector<std::string> expected;
    for (int month = 1; month <= 12; ++month)
        expected.push_back("Calendar" + std::to_string(month) + ".Day=1");
    for (int month = 1; month <= 12; ++month)
        expected.push_back("Calendar" + std::to_string(month) + ".Month=" + std::to_string(month));
    for (int month = 1; month <= 12; ++month)
        expected.push_back("Calendar" + std::to_string(month) + ".Year=2026");
    EXPECT_EQ(view.calls("Calendar"), expected);
}

TEST_F(YearView, PreviousThenNextReturnsAndTheMonthTurnsRedAgain)
{
    form.FormShow();
    form.Last_Year_SpeedButtonClick();
    EXPECT_EQ(view.year_text, "2025");
    ExpectGridsShow(2025);
    ExpectLabels(0, kBlack);
    form.Next_Year_SpeedButtonClick();
    EXPECT_EQ(view.year_text, "2026");
    ExpectGridsShow(2026);
    ExpectLabels(3, kBlack);
}

TEST_F(YearView, TwoNextsShowYearPlusTwoAllBlack)
{
    form.FormShow();
    form.Next_Year_SpeedButtonClick();
    form.Next_Year_SpeedButtonClick();
    EXPECT_EQ(view.year_text, "2028");
    ExpectGridsShow(2028);
    ExpectLabels(0, kBlack);
}

TEST_F(YearView, CurrentYearWhileShownChangesNothingVisible)
{
    form.FormShow();
    const auto grids = view.grids;
    const auto labels = view.label_colour;
    form.Current_Year_BitBtnClick();
    EXPECT_EQ(view.year_text, "2026");
    EXPECT_EQ(view.grids, grids);
    EXPECT_EQ(view.label_colour, labels);
}

TEST_F(YearView, StoredMonthKeepsTheRedUntilCurrentYearRunsAndThenTheOldGoesBlack)
{
    today.set({2026, 12, 31, 23, 59, 59, 900});
    form.FormShow();
    today.set({2027, 1, 1, 0, 0, 0});
    form.Next_Year_SpeedButtonClick();
    form.Last_Year_SpeedButtonClick();
    ExpectLabels(12, kBlack);
    form.Current_Year_BitBtnClick();
    EXPECT_EQ(view.year_text, "2027");
    ExpectGridsShow(2027);
    ExpectLabels(1, kBlack);
}

struct RangeEnd {
    int today_year;
    bool previous_enabled;
    bool next_enabled;
};

class YearRangeEnds : public YearView, public ::testing::WithParamInterface<RangeEnd> {};

TEST_P(YearRangeEnds, ButtonsDisabledAndCommandsStopAtTheEnd)
{
    const RangeEnd end = GetParam();
    today.set({end.today_year, 6, 1, 12, 0, 0});
    form.FormShow();
    EXPECT_EQ(view.previous_enabled, end.previous_enabled);
    EXPECT_EQ(view.next_enabled, end.next_enabled);
    const auto log_size = view.log.size();
    if (!end.previous_enabled)
        form.Last_Year_SpeedButtonClick();
    if (!end.next_enabled)
        form.Next_Year_SpeedButtonClick();
    EXPECT_EQ(view.log.size(), log_size) << view.log.back();
    EXPECT_EQ(view.year_text, std::to_string(end.today_year));
    ExpectGridsShow(end.today_year);
    EXPECT_TRUE(user.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(FirstAndLast, YearRangeEnds,
                         ::testing::Values(RangeEnd{1, false, true}, RangeEnd{9999, true, false}));

TEST_F(YearView, SteppingOntoTheFirstYearDisablesPreviousAndSteppingBackEnablesIt)
{
    today.set({2, 6, 1, 12, 0, 0});
    form.FormShow();
    form.Last_Year_SpeedButtonClick();
    EXPECT_EQ(view.year_text, "1");
    EXPECT_FALSE(view.previous_enabled);
    form.Next_Year_SpeedButtonClick();
    EXPECT_TRUE(view.previous_enabled);
}

struct ClockCase {
    LocalDateTime moment;
    const char* middle; // between the title's "-    " and the two trailing spaces
};

class TitleClock : public ::testing::TestWithParam<ClockCase> {};

TEST_P(TitleClock, CaptionSpacingAndTwelveHourTime)
{
    const RecordingView names;
    EXPECT_EQ(clock_caption(GetParam().moment, names),
              std::string("Orrindale v1.0 -    ") + GetParam().middle + "  ");
}

INSTANTIATE_TEST_SUITE_P(
    Moments, TitleClock,
    ::testing::Values(ClockCase{{2026, 12, 8, 0, 0, 5}, "Tuesday December 8, 2026,  at  12:00:05 AM"},
                      ClockCase{{2026, 12, 8, 1, 5, 9}, "Tuesday December 8, 2026,  at  01:05:09 AM"},
                      ClockCase{{2026, 12, 8, 11, 59, 59}, "Tuesday December 8, 2026,  at  11:59:59 AM"},
                      ClockCase{{2026, 12, 8, 12, 0, 0}, "Tuesday December 8, 2026,  at  12:00:00 PM"},
                      ClockCase{{2026, 3, 15, 23, 7, 30}, "Sunday March 15, 2026,  at  11:07:30 PM"},
                      ClockCase{{2000, 2, 29, 13, 0, 0}, "Tuesday February 29, 2000,  at  01:00:00 PM"},
                      ClockCase{{5, 1, 1, 0, 0, 0}, "Saturday January 1, 0005,  at  12:00:00 AM"},
                      ClockCase{{9999, 12, 31, 23, 59, 59}, "Friday December 31, 9999,  at  11:59:59 PM"}));

TEST_F(YearView, ClockWritesTheCaptionOnlyWhenTheSecondChanges)
{
    today.set({2026, 12, 8, 0, 0, 5, 0});
    form.Timer1Timer();
    EXPECT_EQ(view.caption, "Orrindale v1.0 -    Tuesday December 8, 2026,  at  12:00:05 AM  ");
    today.set({2026, 12, 8, 0, 0, 5, 900});
    form.Timer1Timer();
    EXPECT_EQ(view.calls("Caption=").size(), 1u);
    today.set({2026, 12, 8, 0, 0, 6, 0});
    form.Timer1Timer();
    EXPECT_EQ(view.calls("Caption=").size(), 2u);
    EXPECT_EQ(view.caption, "Orrindale v1.0 -    Tuesday December 8, 2026,  at  12:00:06 AM  ");
}

TEST_F(YearView, ClockComesBackAtTheNextTickAfterTheTitlesAreSetWithinItsSecond)
{
    today.set({2026, 12, 8, 0, 0, 5, 0});
    form.Timer1Timer();
    // The factory defaults set the plain title again in the middle of a second.
    form.Set_Titles();
    EXPECT_EQ(view.caption, "Orrindale v1.0");
    today.set({2026, 12, 8, 0, 0, 5, 100});
    form.Timer1Timer();
    EXPECT_EQ(view.caption, "Orrindale v1.0 -    Tuesday December 8, 2026,  at  12:00:05 AM  ");
}

TEST_F(YearView, ClockFollowsATimeSetBackToAnEarlierSecond)
{
    today.set({2026, 12, 8, 0, 0, 6, 0});
    form.Timer1Timer();
    today.set({2026, 12, 8, 0, 0, 5, 0});
    form.Timer1Timer();
    EXPECT_EQ(view.caption, "Orrindale v1.0 -    Tuesday December 8, 2026,  at  12:00:05 AM  ");
}

TEST(ButtonGlyphs, RightArrowIsTheLeftMirrored)
{
    const GlyphPixels left = glyph_pixels(Glyph::LeftArrow);
    const GlyphPixels right = glyph_pixels(Glyph::RightArrow);
    EXPECT_NE(left, right);
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x)
            EXPECT_EQ(right[y][x], left[y][kGlyphSize - 1 - x]) << x << "," << y;
    }
}

TEST(ButtonGlyphs, SixteenColoursTransparentCornerAndGreyedInGreyAndWhiteOnly)
{
    EXPECT_EQ(kGlyphPalette[kTransparentIndex], 0xFF00FFu);
    for (Glyph glyph : {Glyph::LeftArrow, Glyph::RightArrow, Glyph::CalendarPage, Glyph::Door}) {
        const GlyphPixels normal = glyph_pixels(glyph);
        const GlyphPixels greyed = disabled_glyph_pixels(glyph);
        // The toolkits take the bottom-left pixel as the transparent colour.
        EXPECT_EQ(normal[kGlyphSize - 1][0], kTransparentIndex);
        EXPECT_EQ(greyed[kGlyphSize - 1][0], kTransparentIndex);
        int inked = 0;
        for (int y = 0; y < kGlyphSize; ++y) {
            for (int x = 0; x < kGlyphSize; ++x) {
                EXPECT_LT(normal[y][x], kGlyphColours);
                const auto ink = greyed[y][x];
                EXPECT_TRUE(ink == kTransparentIndex || kGlyphPalette[ink] == 0x808080u ||
                            kGlyphPalette[ink] == 0xFFFFFFu)
                    << static_cast<int>(glyph) << " at " << x << "," << y;
                inked += ink == kTransparentIndex ? 0 : 1;
            }
        }
        EXPECT_GT(inked, 0) << "greyed glyph " << static_cast<int>(glyph) << " is blank";
    }
}

} // namespace
} // namespace orr::test
