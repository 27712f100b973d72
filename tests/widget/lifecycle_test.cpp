// The main window's lifecycle: start-up order, saving at close, restoring the
// factory defaults, always-on-top, the menu and the title-bar clock.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>

#include "app/qt/main_form1.h"
#include "app/settings/settings_file.h"
#include "app/system_locale_names.h"
#include "app/title_clock.h"
#include "core/error.h"
#include "test_support.h"
#include "year_window.h"

namespace {

class TitleChanges : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::WindowTitleChange;
        return false;
    }
};

class Lifecycle : public StandingClockTest {
protected:
    void SetUp() override
    {
        StandingClockTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(QStringLiteral("orrindale.ini")).toStdString();
    }

    void write_settings(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
    bool settings_exist() const { return QFile::exists(QString::fromStdString(path)); }
    orr::WindowSettings saved() const { return orr::read_window_settings(path); }

    TMainForm1& make()
    {
        form = std::make_unique<TMainForm1>();
        form->Timer1->stop(); // the clock is driven by hand where it matters
        form->Form().Settings_File_Path = [this] { return path; };
        return *form;
    }
    void show()
    {
        form->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    bool on_top() const { return form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint); }
    void wait_maximized(bool on)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->isMaximized() == on; }));
        QTest::qWait(20);
    }
    std::vector<std::string> lines_of_only_box() const
    {
        EXPECT_EQ(dialogs_.shown.size(), 1u);
        std::vector<std::string> lines;
        if (dialogs_.shown.empty())
            return lines;
        const std::string& text = dialogs_.shown.front().text;
        std::size_t from = 0;
        for (std::size_t at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
            lines.push_back(text.substr(from, at - from));
        lines.push_back(text.substr(from));
        return lines;
    }

    QTemporaryDir folder;
    std::string path;
    std::unique_ptr<TMainForm1> form;
};

TEST_F(Lifecycle, StartUpAppliesTheFileThenTitlesAndOnTopBeforeTheAutoRunCheckAndTheYearLast)
{
    write_settings("[orrindale]\r\nwindow_top_posn=40\r\nwindow_left_posn=30\r\nwindow_Width=700\r\n"
                   "window_Height=500\r\nAlways_on_Top_Option=1\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
    make();
    int checks = 0;
    form->Form().Verify_Auto_Run_Path = [&] {
        ++checks;
        EXPECT_EQ(view_of(*form).OuterBounds(), (orr::Bounds{30, 40, 700, 500}));
        EXPECT_EQ(form->windowTitle(), "Orrindale v1.0");
        EXPECT_EQ(orr::application_title(), "Orrindale v1.0");
        EXPECT_TRUE(form->Always_On_Top_Option->isChecked());
        EXPECT_TRUE(on_top());
        EXPECT_TRUE(form->Auto_Run_at_Windows_Startup_Option->isChecked());
        EXPECT_TRUE(form->Year_Edit->text().isEmpty());
        return false;
    };
    show();
    EXPECT_EQ(checks, 1);
    // The registry's answer overrides the file's auto-run value.
    EXPECT_FALSE(form->Auto_Run_at_Windows_Startup_Option->isChecked());
    EXPECT_EQ(form->Year_Edit->text(), "2026");
    EXPECT_EQ(form->frameGeometry(), QRect(30, 40, 700, 500));
    EXPECT_TRUE(dialogs_.shown.empty());

    // Showing again (e.g. after being minimised) does not run the start-up again.
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(checks, 1);
}

TEST_F(Lifecycle, AFailingStartUpStepIsReportedAndTheLaterStepsStillRun)
{
    make();
    form->Form().Verify_Auto_Run_Path = []() -> bool { throw orr::Error("Registry key not found"); };
    show();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].kind, orr::BoxKind::Error);
    EXPECT_EQ(dialogs_.shown[0].caption, "Orrindale v1.0");
    EXPECT_EQ(dialogs_.shown[0].text, "Registry key not found.");
    EXPECT_EQ(form->Year_Edit->text(), "2026");
}

TEST_F(Lifecycle, PlacementLyingOnNoScreenComesOntoAScreenAndTinySizesGrowToTheMinimum)
{
    write_settings("[orrindale]\r\nwindow_left_posn=-9000\r\nwindow_Width=1\r\n");
    make();
    show();
    const QRect outer = form->frameGeometry();
    EXPECT_GT(outer.width(), 1);
    EXPECT_GE(form->width(), form->minimumWidth());
    EXPECT_EQ(form->centralWidget()->height(), 574) << "no stored height: the design layout";
    EXPECT_TRUE(form->screen()->geometry().intersects(outer));
}

TEST_F(Lifecycle, SaveSettingsWritesTheFramesBoundsAndMarksAndTheNormalBoundsWhenMaximised)
{
    make();
    show();
    view_of(*form).SetOuterBounds({50, 60, 640, 480});
    QTest::qWait(20);
    form->Form().Toggle_Always_On_Top();
    form->Form().Save_Settings();
    EXPECT_EQ(saved(), (orr::WindowSettings{false, 60, 50, 640, 480, true, false}));

    form->showMaximized();
    wait_maximized(true);
    ASSERT_NE(form->frameGeometry(), QRect(50, 60, 640, 480));
    form->Form().Save_Settings();
    EXPECT_EQ(saved(), (orr::WindowSettings{true, 60, 50, 640, 480, true, false}));
    EXPECT_FALSE(form->isMaximized());

    // The next start shows it maximised again, its normal bounds kept underneath.
    form.reset();
    make();
    show();
    wait_maximized(true);
    EXPECT_TRUE(on_top());
    form->showNormal();
    wait_maximized(false);
    EXPECT_EQ(form->frameGeometry(), QRect(50, 60, 640, 480));
}

TEST_F(Lifecycle, EveryClosePathSavesAndAFailedWriteIsReportedWhileTheWindowStillCloses)
{
    const std::vector<std::pair<const char*, std::function<void(TMainForm1&)>>> paths{
        {"close box", [](TMainForm1& f) { f.close(); }},
        {"E&xit", [](TMainForm1& f) { f.ExitOption->trigger(); }},
        {"Exit button", [](TMainForm1& f) { f.Exit_BitBtn->click(); }},
    };
    for (const auto& [name, close_by] : paths) {
        QFile::remove(QString::fromStdString(path));
        make();
        show();
        view_of(*form).SetOuterBounds({33, 44, 555, 466});
        QTest::qWait(20);
        close_by(*form);
        EXPECT_FALSE(form->isVisible()) << name;
        EXPECT_EQ(saved(), (orr::WindowSettings{false, 44, 33, 555, 466, false, false})) << name;
    }
    EXPECT_TRUE(dialogs_.shown.empty());

    make();
    const std::string unwritable = folder.filePath(QStringLiteral("gone/orrindale.ini")).toStdString();
    form->Form().Settings_File_Path = [&] { return unwritable; };
    show();
    form->close();
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].kind, orr::BoxKind::Error);
    EXPECT_EQ(dialogs_.shown[0].caption, "Orrindale v1.0");
    EXPECT_EQ(dialogs_.shown[0].text, "Unable to write to " + unwritable + ".");
}

TEST_F(Lifecycle, RestoreFactoryDefaultsAsksFourSentencesAndOnlyYesResetsEverything)
{
    write_settings("[orrindale]\r\nwindow_top_posn=70\r\nwindow_left_posn=80\r\nwindow_Width=500\r\n"
                   "window_Height=400\r\nAlways_on_Top_Option=1\r\n");
    make();
    int checks = 0;
    form->Form().Verify_Auto_Run_Path = [&] { return ++checks == 2; };
    show();
    ASSERT_EQ(form->frameGeometry(), QRect(80, 70, 500, 400));
    form->Year_Edit->setText(QStringLiteral("1999"));

    dialogs_.answer = orr::BoxAnswer::No;
    form->Restore_Factory_Defaults_Option->trigger();
    const std::vector<std::string> lines = lines_of_only_box();
    ASSERT_EQ(lines.size(), 5u);
    for (const std::size_t i : {0u, 1u, 2u, 4u}) {
        EXPECT_FALSE(lines[i].empty()) << i;
        EXPECT_TRUE(lines[i].back() == '.' || lines[i].back() == '?') << lines[i];
    }
    EXPECT_TRUE(lines[3].empty());
    EXPECT_EQ(dialogs_.shown[0].kind, orr::BoxKind::Warning);
    EXPECT_EQ(dialogs_.shown[0].buttons, orr::BoxButtons::YesNo);
    EXPECT_TRUE(settings_exist());
    EXPECT_EQ(form->frameGeometry(), QRect(80, 70, 500, 400));
    EXPECT_TRUE(form->Always_On_Top_Option->isChecked());
    EXPECT_EQ(form->Year_Edit->text(), "1999");
    EXPECT_EQ(checks, 1);

    dialogs_.answer = orr::BoxAnswer::Yes;
    form->showMaximized();
    wait_maximized(true);
    form->Form().Restore_Factory_Defaults();
    QTest::qWait(20);
    EXPECT_FALSE(settings_exist());
    EXPECT_FALSE(form->isMaximized());
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(20, 20));
    EXPECT_EQ(form->centralWidget()->size(), QSize(653, 574)) << "no stored size: the design layout";
    EXPECT_FALSE(form->Always_On_Top_Option->isChecked());
    EXPECT_FALSE(on_top());
    // The auto-run check and the current year run again.
    EXPECT_EQ(checks, 2);
    EXPECT_TRUE(form->Auto_Run_at_Windows_Startup_Option->isChecked());
    EXPECT_EQ(form->Year_Edit->text(), "2026");
}

TEST_F(Lifecycle, AlwaysOnTopMarkAndWindowAgreeAndTheWindowStaysPut)
{
    make();
    show();
    const WId id = form->winId();
    const QRect bounds = form->frameGeometry();
    for (const bool expected : {true, false, true}) {
        form->Always_On_Top_Option->trigger();
        EXPECT_EQ(form->Always_On_Top_Option->isChecked(), expected);
        EXPECT_EQ(on_top(), expected);
    }
    EXPECT_EQ(form->winId(), id);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->frameGeometry(), bounds);
}

TEST_F(Lifecycle, MenuHasEveryItemWithItsAccessKeyAndOnlyTheTwoOptionsCarryMarks)
{
    make();
    auto items = [](const QMenu* menu) {
        std::vector<std::string> names;
        for (const QAction* action : menu->actions())
            names.push_back(
                action->objectName().toStdString() + " " +
                (action->isSeparator() ? std::string("-") : action->text().toStdString()) +
                (action->isCheckable() ? " [check]" : "") +
                (action->shortcut().isEmpty() ? "" : " " + action->shortcut().toString().toStdString()));
        return names;
    };
    EXPECT_EQ(form->FileMenu->title(), "&File");
    EXPECT_EQ(
        items(form->FileMenu),
        (std::vector<std::string>{"Always_On_Top_Option Always &On Top [check]",
                                  "Auto_Run_at_Windows_Startup_Option &Auto-Run at Windows Startup [check]",
                                  "Restore_Factory_Defaults_Option &Restore Factory Defaults",
                                  "Print_Year_Option &Print Year... Ctrl+P", "N2 -", "ExitOption E&xit"}));
    EXPECT_EQ(form->HelpMenu->title(), "&Help");
    EXPECT_EQ(items(form->HelpMenu),
              (std::vector<std::string>{"View_Readme_file_Option &View Readme file",
                                        "View_Shareware_Catalog_Option View &Shareware Catalog", "N1 -",
                                        "AboutOption &About"}));
}

TEST_F(Lifecycle, AutoRunMarkFollowsWhatItsCommandDid)
{
    make();
    QAction* item = form->Auto_Run_at_Windows_Startup_Option;
    struct MadeFolder {
        QString path = qEnvironmentVariable("XDG_CONFIG_HOME");
        ~MadeFolder() { QDir(path).removeRecursively(); }
    } config;
    // A file where the configuration folder belongs: enabling fails, reported as the
    // registry's error.
    QFile in_the_way(config.path);
    ASSERT_TRUE(in_the_way.open(QIODevice::WriteOnly));
    in_the_way.close();
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].kind, orr::BoxKind::Error);

    // With the folder, enabling and then disabling both work, each saying so.
    ASSERT_TRUE(in_the_way.remove());
    ASSERT_TRUE(QDir().mkpath(config.path));
    item->trigger();
    EXPECT_TRUE(item->isChecked());
    item->trigger();
    EXPECT_FALSE(item->isChecked());
    ASSERT_EQ(dialogs_.shown.size(), 3u);
    EXPECT_EQ(dialogs_.shown[1].kind, orr::BoxKind::Information);
    EXPECT_EQ(dialogs_.shown[2].kind, orr::BoxKind::Information);
}

TEST(TitleClock, CaptionTakesItsNamesFromTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(orr::clock_caption({2026, 12, 8, 15, 4, 5, 0}, orr::SystemLocaleNames<>()),
              "Orrindale v1.0 -    Dienstag Dezember 8, 2026,  at  03:04:05 PM  ");
    QLocale::setDefault(QLocale(QLocale::English));
    EXPECT_EQ(orr::clock_caption({2026, 1, 31, 23, 59, 59, 0}, orr::SystemLocaleNames<>()),
              "Orrindale v1.0 -    Saturday January 31, 2026,  at  11:59:59 PM  ");
    QLocale::setDefault(before);
}

TEST_F(Lifecycle, ClockRunsFromCreationAndWritesTheCaptionOnlyWhenItChanges)
{
    {
        TMainForm1 fresh;
        EXPECT_TRUE(fresh.Timer1->isActive());
        EXPECT_EQ(fresh.Timer1->interval(), 100);
    }
    make();
    TitleChanges changes;
    form->installEventFilter(&changes);
    clock_.set({2026, 12, 8, 0, 0, 0, 0});
    form->Form().Timer1Timer();
    EXPECT_EQ(form->windowTitle().toStdString(),
              orr::clock_caption(orr::clock().now(), orr::SystemLocaleNames<>()));
    clock_.set({2026, 12, 8, 0, 0, 0, 500});
    form->Form().Timer1Timer();
    form->Form().Timer1Timer();
    EXPECT_EQ(changes.count, 1);
    clock_.set({2026, 12, 8, 0, 0, 1, 0});
    form->Form().Timer1Timer();
    EXPECT_EQ(changes.count, 2);
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral("12:00:01 AM  ")));
}

} // namespace
