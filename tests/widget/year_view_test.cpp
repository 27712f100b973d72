// The year view: start-up state, moving between years and the red month label.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "app/qt/glyphs.h"
#include "app/qt/main_form1.h"
#include "monthgrid/qt/calendar.h"
#include "test_support.h"
#include "year_window.h"

namespace {

constexpr QRgb kRed = 0xFF0000;

class YearView : public StandingClockTest {
protected:
    void start()
    {
        form = std::make_unique<TMainForm1>();
        // No settings file: the window takes the default placement.
        form->Form().Settings_File_Path = [] { return std::string("/nonexistent/orrindale.ini"); };
        form->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    int shown_year() const { return form->Year_Edit->text().toInt(); }
    bool is_red(int month) const
    {
        return label_of(*form, month)->palette().color(QPalette::WindowText).rgb() == QColor(Qt::red).rgb();
    }
    bool is_plain(int month) const
    {
        const QLabel* label = label_of(*form, month);
        return label->testAttribute(Qt::WA_SetPalette) &&
               label->palette().color(QPalette::WindowText).rgb() == QColor(Qt::black).rgb();
    }
    bool keeps_window_colour(int month) const
    {
        return !label_of(*form, month)->testAttribute(Qt::WA_SetPalette);
    }
    void expect_year_on_every_grid(int year) const
    {
        EXPECT_EQ(shown_year(), year);
        for (int month = 1; month <= 12; ++month) {
            const TCalendar* grid = calendar_of(*form, month);
            EXPECT_EQ(grid->Core().Year(), year) << month;
            EXPECT_EQ(grid->Core().Month(), month) << month;
            EXPECT_EQ(grid->Core().Day(), 1) << month;
        }
    }
    void next() { form->Next_Year_SpeedButton->click(); }
    void previous() { form->Last_Year_SpeedButton->click(); }

    std::unique_ptr<TMainForm1> form;
};

TEST_F(YearView, StartShowsTodaysYearWithItsMonthInRed)
{
    start();
    expect_year_on_every_grid(2026);
    EXPECT_EQ(form->Year_Edit->text(), "2026");
    EXPECT_EQ(form->Form().Current_Year, 2026);
    EXPECT_EQ(form->Form().Current_Month, 12);
    EXPECT_TRUE(is_red(12));
    for (int month = 1; month < 12; ++month)
        EXPECT_TRUE(keeps_window_colour(month)) << month;
    EXPECT_GT(count_colour(label_of(*form, 12)->grab().toImage(), kRed), 0) << "drawn in red";
    EXPECT_EQ(count_colour(label_of(*form, 11)->grab().toImage(), kRed), 0);
}

TEST_F(YearView, ControlsSitAtTheirDesignBounds)
{
    start();
    // The default placement stretches the layout a little; at the design client
    // size every control is back at its design bounds.
    form->resize(QSize(653, 574) + (form->size() - form->centralWidget()->size()));
    ASSERT_EQ(form->centralWidget()->size(), QSize(653, 574));
    EXPECT_EQ(label_of(*form, 5)->geometry(), QRect(220, 133, 205, 16));
    EXPECT_EQ(calendar_of(*form, 12)->geometry(), QRect(436, 410, 210, 110));
    EXPECT_EQ(form->GroupBox1->geometry(), QRect(8, 522, 637, 49));
    EXPECT_EQ(form->Year_Edit->geometry(), QRect(107, 17, 75, 23));
    EXPECT_EQ(form->Exit_BitBtn->geometry(), QRect(430, 13, 150, 30));
    EXPECT_FALSE(form->Year_Edit->isEnabled());
    EXPECT_EQ(form->Next_Year_SpeedButton->toolTip(), "Next Year");
    EXPECT_EQ(form->Current_Year_BitBtn->text(), "Current Year");
    EXPECT_EQ(calendar_of(*form, 1)->focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(calendar_of(*form, 1)->Core().ReadOnly());
}

TEST_F(YearView, PreviousThenNextComesBackWithTheMonthRedAgain)
{
    start();
    previous();
    expect_year_on_every_grid(2025);
    for (int month = 1; month <= 12; ++month)
        EXPECT_TRUE(is_plain(month)) << month;
    next();
    expect_year_on_every_grid(2026);
    EXPECT_TRUE(is_red(12));
    for (int month = 1; month < 12; ++month)
        EXPECT_TRUE(is_plain(month)) << month;
}

TEST_F(YearView, TwoNextsShowTheYearAfterNextAllInBlack)
{
    start();
    next();
    next();
    expect_year_on_every_grid(2028);
    for (int month = 1; month <= 12; ++month)
        EXPECT_TRUE(is_plain(month)) << month;
    form->Current_Year_BitBtn->click();
    expect_year_on_every_grid(2026);
    EXPECT_TRUE(is_red(12));
}

TEST_F(YearView, CurrentYearWhileShowingItChangesNothing)
{
    start();
    const QImage before = form->grab().toImage();
    form->Current_Year_BitBtn->click();
    EXPECT_EQ(form->grab().toImage(), before);
}

TEST_F(YearView, NavigatesComparingWithTheStoredYearNotTheClock)
{
    start();
    stand_on(2027, 3, 1);  // the date moves on while the window stays open
    previous();
    next();
    EXPECT_TRUE(is_red(12)) << "still the month stored at the last current-year command";
    EXPECT_FALSE(is_red(3));
}

TEST_F(YearView, NewMonthReplacesTheOldRedLabel)
{
    stand_on(2026, 1, 31, 23);
    start();
    EXPECT_TRUE(is_red(1));
    stand_on(2026, 2, 1, 0);
    form->Current_Year_BitBtn->click();
    EXPECT_TRUE(is_red(2));
    EXPECT_TRUE(is_plain(1));
    for (int month = 3; month <= 12; ++month)
        EXPECT_TRUE(keeps_window_colour(month)) << month;
}

TEST_F(YearView, LeapAndCommonCenturies)
{
    stand_on(2001, 6, 15);
    start();
    previous();
    EXPECT_EQ(shown_year(), 2000);
    EXPECT_EQ(calendar_of(*form, 2)->Core().ShownMonthDayCount(), 29);
    stand_on(1901, 6, 15);
    form->Current_Year_BitBtn->click();
    previous();
    EXPECT_EQ(shown_year(), 1900);
    EXPECT_EQ(calendar_of(*form, 2)->Core().ShownMonthDayCount(), 28);
    EXPECT_EQ(calendar_of(*form, 2)->Core().FirstCellOffset(), 5 - 8);  // 1 February 1900 was a Thursday
}

TEST_F(YearView, YearStaysWithinOneToNineThousandNineHundredNinetyNine)
{
    stand_on(9999, 12, 31);
    start();
    EXPECT_EQ(form->Year_Edit->text(), "9999");
    EXPECT_FALSE(form->Next_Year_SpeedButton->isEnabled());
    form->Form().Next_Year_SpeedButtonClick();
    expect_year_on_every_grid(9999);
    EXPECT_TRUE(is_red(12));
    EXPECT_TRUE(dialogs_.shown.empty()) << "no date error from navigation";

    stand_on(1, 1, 1);
    form->Current_Year_BitBtn->click();
    EXPECT_EQ(form->Year_Edit->text(), "1");
    EXPECT_FALSE(form->Last_Year_SpeedButton->isEnabled());
    EXPECT_TRUE(form->Next_Year_SpeedButton->isEnabled());
    form->Form().Last_Year_SpeedButtonClick();
    expect_year_on_every_grid(1);
    next();
    EXPECT_TRUE(form->Last_Year_SpeedButton->isEnabled());
    EXPECT_EQ(shown_year(), 2);
    EXPECT_TRUE(dialogs_.shown.empty());
}

} // namespace

namespace {

TEST(ButtonGlyphs, SixteenColourImagesWithAGreyedState)
{
    for (Glyph glyph : {Glyph::LeftArrow, Glyph::RightArrow, Glyph::CalendarPage, Glyph::Door}) {
        const QImage normal = glyph_image(glyph);
        const QImage greyed = disabled_glyph_image(glyph);
        EXPECT_EQ(normal.size(), QSize(16, 16));
        EXPECT_EQ(normal.colorCount(), 16);
        EXPECT_EQ(greyed.colorCount(), 16);
        EXPECT_NE(normal, greyed);
        EXPECT_EQ(qAlpha(normal.pixel(0, 15)), 0) << "bottom-left pixel is the transparent key";
        // The greyed state has only grey and white ink.
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const QRgb p = greyed.pixel(x, y);
                if (qAlpha(p) != 0) {
                    EXPECT_TRUE(p == 0xFF808080 || p == 0xFFFFFFFF) << x << "," << y;
                }
            }
        }
    }
    EXPECT_EQ(glyph_image(Glyph::RightArrow), glyph_image(Glyph::LeftArrow).mirrored(true, false));
    EXPECT_NE(glyph_image(Glyph::LeftArrow), glyph_image(Glyph::RightArrow));
}

} // namespace
