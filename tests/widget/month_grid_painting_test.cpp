// What a month grid looks like: cell geometry, colours, highlight and focus.
#include <QFrame>
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
    // The bounding box of the pixels that differ from the background within a client rectangle.
    QRect ink_box(const QRect& area, QRgb background)
    {
        const QImage image = grid->grab().toImage();
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if ((image.pixel(kEdge + x, kEdge + y) & 0xFFFFFF) != background)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    QWidget holder;
    TCalendar* grid = nullptr;
    QWidget* other = nullptr;
};

TEST_F(MonthGridPainting, DesignSizeGivesTwentyEightByFourteenCellsAndStrips)
{
    EXPECT_EQ(grid->contentsRect().size(), QSize(206, 106));
    EXPECT_EQ(grid->Core().CellWidth(), 28);
    EXPECT_EQ(grid->Core().CellHeight(), 14);
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

TEST_F(MonthGridPainting, HeadingIsButtonFaceWithRaisedEdgesCornerToCorner)
{
    const QRgb light = role(QPalette::Light);
    const QRgb dark = role(QPalette::Dark);
    EXPECT_EQ(at(1, 7), role(QPalette::Button));
    // Shadow first, light over it: the corners at the top right and bottom left are light.
    for (int y = 0; y < 14; ++y) {
        EXPECT_EQ(at(0, y), light) << "left edge " << y;
        EXPECT_EQ(at(27, y), y == 0 ? light : dark) << "right edge " << y;
    }
    for (int x = 0; x < 28; ++x) {
        EXPECT_EQ(at(x, 0), light) << "top edge " << x;
        EXPECT_EQ(at(x, 13), x == 0 ? light : dark) << "bottom edge " << x;
    }
    // Without a heading line in one direction, the two edges across it span the line too.
    constexpr orr::GridOptions kBody = orr::kVertLine | orr::kHorzLine | orr::kDrawFocusSelected;
    grid->Grid().SetOptions(kBody | orr::kHeadingHorzLine);
    for (int x = 0; x < 29; ++x) {
        EXPECT_EQ(at(x, 0), light) << "top edge over the missing line " << x;
        EXPECT_EQ(at(x, 13), dark) << "bottom edge over the missing line " << x;
    }
    grid->Grid().SetOptions(kBody | orr::kHeadingVertLine);
    for (int y = 0; y < 15; ++y) {
        EXPECT_EQ(at(0, y), light) << "left edge over the missing line " << y;
        EXPECT_EQ(at(27, y), dark) << "right edge over the missing line " << y;
    }
}

TEST_F(MonthGridPainting, HeldDayIsHighlightedWithAndWithoutFocus)
{
    ASSERT_EQ(grid->Core().CurrentCell(), (orr::GridCell{0, 1}));  // 1 February
    other->setFocus();
    EXPECT_EQ(at(1, 16), role(QPalette::Highlight));
    EXPECT_EQ(at(0, 15), role(QPalette::Highlight)) << "no focus rectangle without focus";
    grid->setFocus();
    EXPECT_EQ(at(1, 16), role(QPalette::Highlight));
    EXPECT_EQ(at(30, 16), role(QPalette::Base)) << "other days are not highlighted";
}

TEST_F(MonthGridPainting, ClickAddsAFocusRectangleThatGoesWithTheFocus)
{
    grid->Core().SetReadOnly(true);
    grid->SetTabStop(false);
    other->setFocus();
    const QRgb plain = role(QPalette::Highlight);
    ASSERT_EQ(at(1, 15), plain);
    QTest::mouseClick(grid, Qt::LeftButton, {}, cell_centre(3, 3));
    EXPECT_TRUE(grid->Core().IsActiveControl());
    EXPECT_EQ(grid->Core().CurrentCell(), (orr::GridCell{0, 1}));
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
    grid->Core().SetColor(orr::clSilver);
    EXPECT_EQ(at(28, 37), kGray);
    EXPECT_EQ(at(28, 7), kBlack);
}

TEST_F(MonthGridPainting, CellsFollowEverySizeChangeButNotTheFont)
{
    grid->resize(209 + 2 * kEdge, 110);
    EXPECT_EQ(grid->Core().CellWidth(), 29);
    EXPECT_EQ(at(205, 50), role(QPalette::Base)) << "no strip: cell 6 reaches the edge";
    QFont big = grid->font();
    big.setPixelSize(30);
    grid->setFont(big);
    EXPECT_EQ(grid->Core().CellWidth(), 29);
    grid->Core().SetGridLineWidth(0);
    EXPECT_EQ(grid->Core().CellWidth(), 29) << "line width alone does not resize cells";
    grid->resize(210, 110);
    EXPECT_EQ(grid->Core().CellWidth(), 206 / 7);
    EXPECT_EQ(grid->Core().CellHeight(), 106 / 7);
    EXPECT_NE(at(28, 37), kSilver) << "no lines with width 0";
}

TEST_F(MonthGridPainting, WideLinesFillExactlyTheGapAfterEachCell)
{
    for (const int width : {2, 3}) {
        grid->Core().SetGridLineWidth(width);
        grid->resize(211, 110); // a size change refits the cells to the new lines
        grid->resize(210, 110);
        const QImage image = grid->grab().toImage();
        auto px = [&](int x, int y) { return image.pixel(kEdge + x, kEdge + y) & 0xFFFFFF; };
        const int body_y = grid->CellRect(0, 2).top() + 1;
        const int body_x = grid->CellRect(3, 0).left() + 1;
        for (int i = 0; i < 7; ++i) {
            const QRect cell = grid->CellRect(i, i);
            for (int k = 0; k < width; ++k) {
                EXPECT_EQ(px(cell.right() + 1 + k, 7), kBlack) << width << " heading, column " << i;
                EXPECT_EQ(px(cell.right() + 1 + k, body_y), kSilver) << width << " body, column " << i;
                EXPECT_EQ(px(body_x, cell.bottom() + 1 + k), i == 0 ? kBlack : kSilver)
                    << width << " row " << i;
            }
            EXPECT_NE(px(cell.right(), body_y), kSilver) << width << " last pixel of column " << i;
            EXPECT_NE(px(body_x, cell.bottom()), kSilver) << width << " last pixel of row " << i;
            if (i < 6) {
                EXPECT_NE(px(cell.right() + width + 1, body_y), kSilver) << width << " after column " << i;
                EXPECT_NE(px(body_x, cell.bottom() + width + 1), kSilver) << width << " after row " << i;
            }
        }
    }
}

TEST_F(MonthGridPainting, SunkenEdgeLooksLikeQtsOwnPanelFrameAtEverySize)
{
    QFrame stock(&holder);
    stock.setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    stock.setLineWidth(kEdge);
    stock.show();
    for (const QSize size : {QSize(210, 110), QSize(1600, 37), QSize(9, 6), QSize(5, 5),
                             QSize(2, 9)}) {
        grid->resize(size);
        stock.resize(size);
        const QImage ours = grid->grab().toImage();
        const QImage theirs = stock.grab().toImage();
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                const bool edge = x < kEdge || y < kEdge || x >= size.width() - kEdge || y >= size.height() - kEdge;
                if (edge && ours.pixel(x, y) != theirs.pixel(x, y))
                    ADD_FAILURE() << size.width() << "x" << size.height() << " differs at " << x << "," << y;
            }
        }
    }
}

TEST_F(MonthGridPainting, GridNarrowerThanItsBorderHasNoClient)
{
    grid->resize(3, 3);
    EXPECT_EQ(grid->Grid().ClientSize(), (orr::Size{0, 0}));
    EXPECT_EQ(grid->Core().CellWidth(), 0);
    EXPECT_EQ(grid->Core().CellHeight(), 0);
}

TEST_F(MonthGridPainting, HeadingShowsLocaleWeekdaysFromTheStartOfWeek)
{
    const QLocale saved;
    EXPECT_EQ(QString::fromStdString(grid->Core().DayCellText(0, 0)), QLocale().dayName(7, QLocale::ShortFormat));
    grid->Core().SetStartOfWeek(1);
    EXPECT_EQ(QString::fromStdString(grid->Core().DayCellText(0, 0)), QLocale().dayName(1, QLocale::ShortFormat));
    EXPECT_EQ(QString::fromStdString(grid->Core().DayCellText(6, 0)), QLocale().dayName(7, QLocale::ShortFormat));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(grid, &change);
    EXPECT_EQ(QString::fromStdString(grid->Core().DayCellText(0, 0)), QLocale(QLocale::German).dayName(1, QLocale::ShortFormat));
    QLocale::setDefault(saved);
}

TEST_F(MonthGridPainting, DayTextIsCentredAndClippedToItsCell)
{
    // Large cells, so that an offset shows: the ink of "18" sits as far from the
    // left edge as from the right, and as far from the top as from the bottom.
    grid->resize(2 * kEdge + 7 * 60 + 6, 2 * kEdge + 7 * 40 + 6);
    const QRect eighteen = grid->CellRect(3, 3);
    const QRect ink = ink_box(eighteen, role(QPalette::Base));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.left() - eighteen.left(), eighteen.right() - ink.right(), 2)
        << ink.left() << "," << ink.right();
    EXPECT_NEAR(ink.top() - eighteen.top(), eighteen.bottom() - ink.bottom(), 2)
        << ink.top() << "," << ink.bottom();

    // An oversized "10" is cut off at its cell's edges: the lines around it stay whole.
    QFont huge = grid->font();
    huge.setPixelSize(120);
    grid->setFont(huge);
    const QRect ten = grid->CellRect(2, 2);
    const QImage image = grid->grab().toImage();
    auto px = [&](int x, int y) { return image.pixel(kEdge + x, kEdge + y) & 0xFFFFFF; };
    for (int y = ten.top(); y <= ten.bottom(); ++y) {
        EXPECT_EQ(px(ten.left() - 1, y), kSilver) << y;
        EXPECT_EQ(px(ten.right() + 1, y), kSilver) << y;
    }
    for (int x = ten.left(); x <= ten.right(); ++x) {
        EXPECT_EQ(px(x, ten.top() - 1), kSilver) << x;
        EXPECT_EQ(px(x, ten.bottom() + 1), kSilver) << x;
    }
}

} // namespace
