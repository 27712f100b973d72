// Proportional scaling of a window's controls from the layout record.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/layout_scaling.h"
#include "app/main_form.h"
#include "monthgrid/calendar.h"
#include "test_support.h"

namespace {

constexpr int kPpi = 96;
constexpr QSize kDesign(653, 574);

QFont font_of(int pixels)
{
    QFont font("Times New Roman");
    font.setPixelSize(pixels);
    return font;
}

// A small stand-in for the year window: a label, a grid, a box with a text
// field inside, and a timer, created in that order.
class ScaledWindow : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        window.resize(kDesign);
        label = add<QLabel>("Label1", &window, QRect(5, 3, 205, 16), 13);
        grid = add<TCalendar>("Calendar1", &window, QRect(5, 20, 210, 110), 13);
        box = add<QGroupBox>("GroupBox1", &window, QRect(8, 522, 637, 49), 16);
        edit = add<QLineEdit>("Year_Edit", box, QRect(107, 17, 75, 23), 16);
        components.push_back(new QTimer(&window));
        window.show();
        record = record_layout(kDesign, components, kPpi);
    }

    template <typename T>
    T* add(const char* name, QWidget* parent, QRect bounds, int font_pixels)
    {
        auto* control = new T(parent);
        control->setObjectName(name);
        control->setGeometry(bounds);
        control->setFont(font_of(font_pixels));
        components.push_back(control);
        return control;
    }

    void scale_to(QSize client) { scale_layout(record, client, components, kPpi); }

    QWidget window;
    LayoutRecord record;
    Components components;
    QLabel* label = nullptr;
    TCalendar* grid = nullptr;
    QGroupBox* box = nullptr;
    QLineEdit* edit = nullptr;
};

TEST_F(ScaledWindow, RecordHoldsTheWindowAndOneLinePerComponent)
{
    const std::vector<std::string> expected{"653 574 W/H Mainform1", "5 205 3 16 10 Label1",
                                            "5 210 20 110 10 Calendar1", "8 637 522 49 12 GroupBox1",
                                            "107 75 17 23 12 Year_Edit", "0"};
    EXPECT_EQ(record, expected);
}

TEST_F(ScaledWindow, DesignSizeKeepsEveryBoundAndFont)
{
    scale_to(kDesign);
    EXPECT_EQ(label->geometry(), QRect(5, 3, 205, 16));
    EXPECT_EQ(grid->geometry(), QRect(5, 20, 210, 110));
    EXPECT_EQ(edit->geometry(), QRect(107, 17, 75, 23));
    EXPECT_EQ(grid->font().pixelSize(), 13);
    EXPECT_EQ(edit->font().pixelSize(), 16);
}

TEST_F(ScaledWindow, TwiceTheSizeDoublesBoundsAndFonts)
{
    scale_to(kDesign * 2);
    EXPECT_EQ(grid->geometry(), QRect(10, 40, 420, 220));
    EXPECT_EQ(box->geometry(), QRect(16, 1044, 1274, 98));
    EXPECT_EQ(edit->geometry(), QRect(214, 34, 150, 46)) << "inside the box, relative to it";
    EXPECT_EQ(grid->font().pixelSize(), 27) << "10 points become 20";
    EXPECT_EQ(edit->font().pixelSize(), 32) << "12 points become 24";
    EXPECT_EQ(grid->CellWidth(), (420 - 4 - 6) / 7) << "the grid re-derives its cells";
}

TEST_F(ScaledWindow, WiderOnlyStretchesHorizontally)
{
    scale_to({1306, 574});
    EXPECT_EQ(label->geometry(), QRect(10, 3, 410, 16));
    EXPECT_EQ(grid->geometry(), QRect(10, 20, 420, 110));
    EXPECT_EQ(grid->font().pixelSize(), 13);
}

TEST_F(ScaledWindow, SlightlySmallerTruncates)
{
    scale_to({qRound(653 * 0.99), qRound(574 * 0.99)});  // 646 x 568: both ratios just under 0.99
    EXPECT_EQ(label->y(), 2);
    EXPECT_EQ(grid->font().pixelSize(), 12) << "9 points";
}

TEST_F(ScaledWindow, ManySizesAndBackGiveExactlyTheDesign)
{
    for (int w = 653, h = 574; w > 100; w -= 37, h -= 29)
        scale_to({w, h});
    for (int step = 1; step < 20; ++step)
        scale_to({653 + step * 53, 574 + step * 11});
    scale_to(kDesign);
    EXPECT_EQ(label->geometry(), QRect(5, 3, 205, 16));
    EXPECT_EQ(box->geometry(), QRect(8, 522, 637, 49));
    EXPECT_EQ(edit->geometry(), QRect(107, 17, 75, 23));
    EXPECT_EQ(grid->font().pixelSize(), 13);
    EXPECT_EQ(grid->CellWidth(), 28);
}

TEST_F(ScaledWindow, TinyWindowKeepsOnePointFonts)
{
    scale_to({10, 10});
    EXPECT_GE(grid->font().pixelSize(), 1);
    EXPECT_GE(edit->font().pixelSize(), 1);
}

TEST(LayoutScaling, NothingHappensWithoutARecord)
{
    QWidget window;
    auto* child = new QLabel(&window);
    child->setGeometry(1, 2, 3, 4);
    scale_layout({}, {2000, 2000}, {child}, kPpi);
    EXPECT_EQ(child->geometry(), QRect(1, 2, 3, 4));
}

// The year window itself, started without a settings file.
class YearWindowScaling : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        form = std::make_unique<TMainForm1>();
        form->Timer1->stop();
        const std::string path = folder.filePath("orrindale.ini").toStdString();
        form->Settings_File_Path = [path] { return path; };
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Sizes the window so that its client area below the menu gets this size.
    void client_to(QSize client)
    {
        form->resize(client + (form->size() - form->Client()->size()));
        ASSERT_EQ(form->Client()->size(), client);
    }
    QString record_line(int i) const { return form->Scaling_ListBox->item(i)->text(); }
    int line_of(const QObject* component) const
    {
        const Components& all = form->OwnedComponents();
        return int(std::find(all.begin(), all.end(), component) - all.begin()) + 1;
    }
    void expect_design_layout() const
    {
        EXPECT_EQ(form->MonthLabel(1)->geometry(), QRect(5, 3, 205, 16));
        EXPECT_EQ(form->Calendar(12)->geometry(), QRect(436, 410, 210, 110));
        EXPECT_EQ(form->GroupBox1->geometry(), QRect(8, 522, 637, 49));
        EXPECT_EQ(form->Year_Edit->geometry(), QRect(107, 17, 75, 23));
        EXPECT_EQ(form->Exit_BitBtn->geometry(), QRect(430, 13, 150, 30));
        EXPECT_EQ(form->Calendar(1)->font().pixelSize(), 13);
        EXPECT_EQ(form->Current_Year_BitBtn->font().pixelSize(), 16);
        EXPECT_EQ(form->Calendar(1)->CellWidth(), 28);
    }

    QTemporaryDir folder;
    std::unique_ptr<TMainForm1> form;
};

TEST_F(YearWindowScaling, RecordIsTakenAtTheDesignSizeInComponentOrder)
{
    EXPECT_EQ(record_line(0), "653 574 W/H Mainform1");
    EXPECT_EQ(form->Scaling_ListBox->count(), int(form->OwnedComponents().size()) + 1);
    EXPECT_EQ(record_line(line_of(form->MonthLabel(1))), "5 205 3 16 10 Label1");
    EXPECT_EQ(record_line(line_of(form->Calendar(1))), "5 210 20 110 10 Calendar1");
    EXPECT_EQ(record_line(line_of(form->GroupBox1)), "8 637 522 49 12 GroupBox1");
    EXPECT_EQ(record_line(line_of(form->Year_Edit)), "107 75 17 23 12 Year_Edit");
    EXPECT_EQ(record_line(line_of(form->Timer1)), "0");
    EXPECT_EQ(record_line(line_of(form->ExitOption)), "0");
    EXPECT_LT(line_of(form->GroupBox1), line_of(form->Year_Edit)) << "creation order";
    EXPECT_FALSE(form->Scaling_ListBox->isVisible());
}

TEST_F(YearWindowScaling, DesignSizeKeepsEveryBoundAndFont)
{
    client_to({1000, 900});
    client_to(kDesign);
    expect_design_layout();
}

TEST_F(YearWindowScaling, TwiceTheDesignDoublesEveryBoundAndFont)
{
    client_to(kDesign * 2);
    EXPECT_EQ(form->MonthLabel(1)->geometry(), QRect(10, 6, 410, 32));
    EXPECT_EQ(form->Calendar(12)->geometry(), QRect(872, 820, 420, 220));
    EXPECT_EQ(form->Exit_BitBtn->geometry(), QRect(860, 26, 300, 60));
    EXPECT_EQ(form->Calendar(12)->font().pixelSize(), 27) << "10 points become 20";
    EXPECT_EQ(form->Year_Edit->font().pixelSize(), 32) << "12 points become 24";
    EXPECT_EQ(form->Calendar(12)->CellWidth(), (420 - 4 - 6) / 7);
    EXPECT_EQ(form->font().pixelSize(), 13) << "the window's own font is not scaled";
}

TEST_F(YearWindowScaling, AfterFactoryDefaultsTheFirstRecordStillRules)
{
    const int lines = form->Scaling_ListBox->count();
    client_to(kDesign * 2);
    dialogs_.answer = orr::BoxAnswer::Yes;
    form->Restore_Factory_Defaults();
    EXPECT_EQ(form->Scaling_ListBox->count(), lines);
    EXPECT_EQ(record_line(0), "653 574 W/H Mainform1");
    client_to(kDesign);
    expect_design_layout();
}

} // namespace
