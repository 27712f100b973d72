// What a month grid looks like: cell geometry, colours, highlight and focus.
#include <QLocale>
#include <QTest>

#include "monthgrid/qt/calendar.h"
#include "test_support.h"

namespace {

constexpr QRgb kBlack = 0x000000;
constexpr QRgb kSilver = 0xC0C0C0;
constexpr QRgb kGray = 0x808080;
constexpr int kEdge = 2;  // the sunken client edge

class MonthGridPainting : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        stand_on(2026, 2, 1);  // February 2026 starts on a Sunday
        holder.resize(400, 300);
        grid = new TCalendar(&holder);
        grid->setGeometry(10, 10, 210, 110);
        grid->setFont([] { QFont f("Times New Roman"); f.setPixelSize(13); return f; }());
        other = new QWidget(&holder);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(300, 10, 20, 20);
        holder.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&holder));
    }

    // Pixel at client coordinates of the grid.
    QRgb at(int x, int y) { return grid->grab().toImage().pixel(kEdge + x, kEdge + y) & 0xFFFFFF; }
    QRgb role(QPalette::ColorRole r) const { return grid->palette().color(r).rgb() & 0xFFFFFF; }
    QPoint cell_centre(int col, int row) const
    {
        return grid->CellRect(col, row).center() + QPoint(kEdge, kEdge);
    }

    QWidget holder;
    TCalendar* grid = nullptr;
    QWidget* other = nullptr;
};

TEST_F(MonthGridPainting, DesignSizeGivesTwentyEightByFourteenCellsAndStrips)
{
    EXPECT_EQ(grid->contentsRect().size(), QSize(206, 106));
    EXPECT_EQ(grid->CellWidth(), 28);
    EXPECT_EQ(grid->CellHeight(), 14);
    const QImage image = grid->grab().toImage();
    auto px = [&](int x, int y) { return image.pixel(kEdge + x, kEdge + y) & 0xFFFFFF; };
    // Vertical lines right after each cell: black in the heading, silver in the body.
    for (int x : {28, 57, 86, 115, 144, 173, 202}) {
        EXPECT_EQ(px(x, 7), kBlack) << x;
        EXPECT_EQ(px(x, 37), kSilver) << x;
        EXPECT_NE(px(x - 1, 37), kSilver) << x;
    }
    // The black line under the heading row, then silver lines between body rows.
    EXPECT_EQ(px(14, 14), kBlack);
    for (int y : {29, 44, 59, 74, 89, 104})
        EXPECT_EQ(px(20, y), kSilver) << y;
    // The strips left over at the right (x 203..205) and the bottom (y 105).
    for (int x : {203, 204, 205})
        EXPECT_EQ(px(x, 50), role(QPalette::Base)) << x;
    EXPECT_EQ(px(100, 105), role(QPalette::Base));
}

TEST_F(MonthGridPainting, HeadingIsButtonFaceWithRaisedEdges)
{
    EXPECT_EQ(at(1, 7), role(QPalette::Button));
    EXPECT_EQ(at(0, 7), role(QPalette::Light));   // left edge
    EXPECT_EQ(at(27, 7), role(QPalette::Dark));   // right edge
    EXPECT_EQ(at(10, 13), role(QPalette::Dark));  // bottom edge
    EXPECT_EQ(at(10, 0), role(QPalette::Light));  // top edge
}

TEST_F(MonthGridPainting, HeldDayIsHighlightedWithAndWithoutFocus)
{
    ASSERT_EQ(grid->CurrentCell(), (orr::GridCell{0, 1}));  // 1 February
    other->setFocus();
    EXPECT_EQ(at(1, 16), role(QPalette::Highlight));
    EXPECT_EQ(at(0, 15), role(QPalette::Highlight)) << "no focus rectangle without focus";
    grid->setFocus();
    EXPECT_EQ(at(1, 16), role(QPalette::Highlight));
    EXPECT_EQ(at(30, 16), role(QPalette::Base)) << "other days are not highlighted";
}

TEST_F(MonthGridPainting, ClickAddsAFocusRectangleThatGoesWithTheFocus)
{
    grid->SetReadOnly(true);
    grid->SetTabStop(false);
    other->setFocus();
    const QRgb plain = role(QPalette::Highlight);
    ASSERT_EQ(at(1, 15), plain);
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell_centre(3, 3));
    EXPECT_TRUE(grid->IsActiveControl());
    EXPECT_EQ(grid->CurrentCell(), (orr::GridCell{0, 1}));
    // A dotted outline: every other pixel of the cell's border inverted.
    const QRgb inverted = ~plain & 0xFFFFFF;
    EXPECT_EQ(at(1, 15), inverted);
    EXPECT_EQ(at(2, 15), plain);
    EXPECT_EQ(at(3, 15), inverted);
    EXPECT_EQ(at(0, 16), inverted);
    EXPECT_EQ(at(27, 27), inverted);
    EXPECT_EQ(at(26, 28), inverted);
    EXPECT_EQ(at(5, 20), plain) << "inside stays highlighted";
    other->setFocus();
    EXPECT_EQ(at(1, 15), plain);
    EXPECT_EQ(at(0, 16), plain);
}

TEST_F(MonthGridPainting, SilverBodyDrawsGrayLines)
{
    grid->SetColor(orr::clSilver);
    EXPECT_EQ(at(28, 37), kGray);
    EXPECT_EQ(at(28, 7), kBlack);
}

TEST_F(MonthGridPainting, CellsFollowEverySizeChangeButNotTheFont)
{
    grid->resize(209 + 2 * kEdge, 110);
    EXPECT_EQ(grid->CellWidth(), 29);
    EXPECT_EQ(at(205, 50), role(QPalette::Base)) << "no strip: cell 6 reaches the edge";
    QFont big = grid->font();
    big.setPixelSize(30);
    grid->setFont(big);
    EXPECT_EQ(grid->CellWidth(), 29);
    grid->SetGridLineWidth(0);
    EXPECT_EQ(grid->CellWidth(), 29) << "line width alone does not resize cells";
    grid->resize(210, 110);
    EXPECT_EQ(grid->CellWidth(), 206 / 7);
    EXPECT_EQ(grid->CellHeight(), 106 / 7);
    EXPECT_NE(at(28, 37), kSilver) << "no lines with width 0";
}

TEST_F(MonthGridPainting, HeadingShowsLocaleWeekdaysFromTheStartOfWeek)
{
    const QLocale saved;
    EXPECT_EQ(grid->DayCellText(0, 0), QLocale().dayName(7, QLocale::ShortFormat));
    grid->SetStartOfWeek(1);
    EXPECT_EQ(grid->DayCellText(0, 0), QLocale().dayName(1, QLocale::ShortFormat));
    EXPECT_EQ(grid->DayCellText(6, 0), QLocale().dayName(7, QLocale::ShortFormat));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(grid, &change);
    EXPECT_EQ(grid->DayCellText(0, 0), QLocale(QLocale::German).dayName(1, QLocale::ShortFormat));
    QLocale::setDefault(saved);
}

TEST_F(MonthGridPainting, DayTextIsCentredAndClippedToItsCell)
{
    QFont huge = grid->font();
    huge.setPixelSize(40);
    grid->setFont(huge);
    const QImage image = grid->grab().toImage();
    // Nothing of an oversized "10" spills over the silver line at the cell's right.
    const QRect ten = grid->CellRect(2, 2);
    EXPECT_EQ(image.pixel(kEdge + ten.right() + 1, kEdge + ten.center().y()) & 0xFFFFFF, kSilver);
}

} // namespace
