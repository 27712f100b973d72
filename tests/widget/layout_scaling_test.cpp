// Proportional scaling of the year window's widgets from the layout record.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

#include "app/qt/main_form1.h"
#include "monthgrid/qt/calendar.h"
#include "test_support.h"
#include "year_window.h"

namespace {

constexpr QSize kDesign(653, 574);

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
        form->Form().Settings_File_Path = [path] { return path; };
        form->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    // Sizes the window so that its client area below the menu gets this size.
    void client_to(QSize client)
    {
        form->resize(client + (form->size() - form->centralWidget()->size()));
        ASSERT_EQ(form->centralWidget()->size(), client);
    }
    QString record_line(int i) const { return form->Scaling_ListBox->item(i)->text(); }
    int line_of(const QObject* component) const
    {
        return int(orr::mainform::index_of(component->objectName().toLatin1().constData())) + 1;
    }
    void expect_design_layout() const
    {
        EXPECT_EQ(label_of(*form, 1)->geometry(), QRect(5, 3, 205, 16));
        EXPECT_EQ(calendar_of(*form, 12)->geometry(), QRect(436, 410, 210, 110));
        EXPECT_EQ(form->GroupBox1->geometry(), QRect(8, 522, 637, 49));
        EXPECT_EQ(form->Year_Edit->geometry(), QRect(107, 17, 75, 23));
        EXPECT_EQ(form->Exit_BitBtn->geometry(), QRect(430, 13, 150, 30));
        EXPECT_EQ(calendar_of(*form, 1)->font().pixelSize(), 13);
        EXPECT_EQ(form->Current_Year_BitBtn->font().pixelSize(), 16);
        EXPECT_EQ(calendar_of(*form, 1)->Core().CellWidth(), 28);
    }

    QTemporaryDir folder;
    std::unique_ptr<TMainForm1> form;
};

TEST_F(YearWindowScaling, RecordIsTakenAtTheDesignSizeInComponentOrder)
{
    EXPECT_EQ(record_line(0), "653 574 W/H Mainform1");
    EXPECT_EQ(form->Scaling_ListBox->count(), int(orr::mainform::kComponentCount) + 1);
    EXPECT_EQ(record_line(line_of(label_of(*form, 1))), "5 205 3 16 10 Label1");
    EXPECT_EQ(record_line(line_of(calendar_of(*form, 1))), "5 210 20 110 10 Calendar1");
    EXPECT_EQ(record_line(line_of(form->GroupBox1)), "8 637 522 49 12 GroupBox1");
    EXPECT_EQ(record_line(line_of(form->Year_Edit)), "107 75 17 23 12 Year_Edit");
    EXPECT_EQ(record_line(line_of(form->Timer1)), "0");
    EXPECT_EQ(record_line(line_of(form->ExitOption)), "0");
    EXPECT_LT(line_of(form->GroupBox1), line_of(form->Year_Edit)) << "creation order";
    EXPECT_FALSE(form->Scaling_ListBox->isVisible());
}

// Qt keeps each object's children in the order they were made: within every parent the
// window's components stand in the design table's order.
TEST_F(YearWindowScaling, ComponentsAreMadeInTheDesignTablesOrder)
{
    std::map<QObject*, QStringList> designed;
    for (const orr::mainform::Design& design : orr::mainform::kDesign) {
        QObject* made = form->findChild<QObject*>(QString::fromLatin1(design.name));
        ASSERT_NE(made, nullptr) << design.name;
        designed[made->parent()] << made->objectName();
    }
    for (const auto& [parent, names] : designed) {
        QStringList made;
        for (const QObject* child : parent->children()) {
            if (names.contains(child->objectName()))
                made << child->objectName();
        }
        EXPECT_EQ(made, names) << parent->objectName().toStdString();
    }
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
    EXPECT_EQ(label_of(*form, 1)->geometry(), QRect(10, 6, 410, 32));
    EXPECT_EQ(calendar_of(*form, 12)->geometry(), QRect(872, 820, 420, 220));
    EXPECT_EQ(form->Exit_BitBtn->geometry(), QRect(860, 26, 300, 60));
    EXPECT_EQ(calendar_of(*form, 12)->font().pixelSize(), 27) << "10 points become 20";
    EXPECT_EQ(form->Year_Edit->font().pixelSize(), 32) << "12 points become 24";
    EXPECT_EQ(calendar_of(*form, 12)->Core().CellWidth(), (420 - 4 - 6) / 7);
    EXPECT_EQ(form->font().pixelSize(), 13) << "the window's own font is not scaled";
}

TEST_F(YearWindowScaling, AfterFactoryDefaultsTheFirstRecordStillRules)
{
    const int lines = form->Scaling_ListBox->count();
    client_to(kDesign * 2);
    dialogs_.answer = orr::BoxAnswer::Yes;
    form->Form().Restore_Factory_Defaults();
    EXPECT_EQ(form->Scaling_ListBox->count(), lines);
    EXPECT_EQ(record_line(0), "653 574 W/H Mainform1");
    client_to(kDesign);
    expect_design_layout();
}

} // namespace
