// The main window's life: the start-up sequence and where the window lands, the
// settings saved at close, always-on-top and the factory defaults.
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

#include "app/settings/settings_pass.h"
#include "app/window_placement.h"
#include "core/event_guard.h"
#include "tests/unit/main_form_fixture.h"
#include "tests/unit/settings/file_bytes.h"

namespace orr::test {
namespace {

const Bounds kDefaultBounds{20, 20, 659, 614};

class Lifecycle : public MainFormTest {
protected:
    void Store(const std::string& lines) { put_bytes(ini, "[orrindale]\n" + lines); }
    // Whether each entry is logged after the one before it.
    void ExpectInOrder(const std::vector<std::string>& milestones)
    {
        std::size_t at = 0;
        for (const auto& milestone : milestones) {
            while (at < view.log.size() && view.log[at] != milestone)
                ++at;
            ASSERT_LT(at, view.log.size()) << milestone << " missing or out of order";
            ++at;
        }
    }
};

TEST_F(Lifecycle, StartUpRunsItsStepsInOrder)
{
    Store("WindowState_wsMaximized=1\nAlways_on_Top_Option=1\n");
    view.launcher_command = kShowMinimized;
    registered = true;
    form.FormShow();
    ExpectInOrder({"ClientSize=653x574", "HideScrollBars", "Layout+653 574 W/H Mainform1", "SettingsFile",
                   "Outer=20,20,659,614", "AlwaysOnTop.Checked=1", "AutoRun.Checked=0",
                   "Caption=Orrindale v1.0", "ShowWindow=2", "ShowWindow=3", "AlwaysOnTop.Checked=0",
                   "AlwaysOnTop.Checked=1", "Topmost=1", "VerifyAutoRun", "AutoRun.Checked=1",
                   "Year_Edit=2026", "Calendar1.Day=1"});
    EXPECT_TRUE(view.maximized);
    EXPECT_TRUE(view.topmost);
    EXPECT_TRUE(view.auto_run_checked);
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(Lifecycle, MissingSettingsFileGivesTheDefaults)
{
    view.on_top_checked = view.auto_run_checked = true;
    form.FormShow();
    EXPECT_EQ(view.outer, kDefaultBounds);
    EXPECT_EQ(view.ClientRect(), (Bounds{0, 0, 653, 574}));
    EXPECT_FALSE(view.maximized);
    EXPECT_FALSE(view.on_top_checked);
    EXPECT_FALSE(view.topmost);
    EXPECT_FALSE(view.auto_run_checked);
    EXPECT_EQ(view.calls("ShowWindow="), std::vector<std::string>{"ShowWindow=1"});
    EXPECT_FALSE(std::filesystem::exists(ini));
}

TEST_F(Lifecycle, AutoRunCheckOverridesTheStoredMark)
{
    Store("Auto_Run_at_Windows_Startup_Option=1\n");
    form.FormShow();
    EXPECT_FALSE(view.auto_run_checked);
    Store("Auto_Run_at_Windows_Startup_Option=0\n");
    registered = true;
    form.FormShow();
    EXPECT_TRUE(view.auto_run_checked);
}

TEST_F(Lifecycle, TitlesNameTheProductAndThisYear)
{
    set_application_title("stale");
    today.set({5, 7, 1, 8, 0, 0});
    form.FormShow();
    form.AboutOptionClick();
    EXPECT_EQ(application_title(), "Orrindale v1.0");
    EXPECT_EQ(view.about.caption, "About Orrindale v1.0 ...");
    EXPECT_EQ(view.about.product_name, "Orrindale v1.0");
    EXPECT_TRUE(view.about.author_and_date.ends_with(", July 2002")) << view.about.author_and_date;
    EXPECT_TRUE(view.about.copyright.ends_with("0005")) << view.about.copyright;
    EXPECT_EQ(view.calls("Hint="), std::vector<std::string>{"Hint="});
}

// A step that fails is reported under the product title and the start-up goes on.
class FailingStartUpStep : public Lifecycle, public ::testing::WithParamInterface<const char*> {};

TEST_P(FailingStartUpStep, IsReportedAndLaterStepsStillRun)
{
    view.fail_on = GetParam();
    user.on_show = [this](const BoxRequest&) { view.log.push_back("Box"); };
    form.FormShow();
    // No box stands on a window not yet shown: the report waits for it.
    ExpectInOrder({"ShowWindow=1", "Box"});
    // Each failing call is reported once, by the step that made it.
    const auto failed = view.calls(GetParam());
    ASSERT_FALSE(failed.empty());
    ASSERT_EQ(user.shown.size(), failed.size());
    EXPECT_EQ(user.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(user.shown[0].caption, "Orrindale v1.0");
    EXPECT_EQ(user.shown[0].text, "Failed at " + failed.front() + ".");
    EXPECT_EQ(view.year_text, "2026");
    EXPECT_EQ(view.label_colour[3], MainForm::kHighlightColour);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingStartUpStep,
                         ::testing::Values("ClientSize", "HideScrollBars", "SettingsFile", "Outer", "Caption",
                                           "ShowWindow=1", "Topmost", "VerifyAutoRun"));

TEST_F(Lifecycle, StoredPlacementOnNoScreenMovesOntoThePrimaryWorkArea)
{
    view.screens.screens = {{{0, 0, 1920, 1080}, {0, 24, 1920, 1056}}};
    Store("window_left_posn=3000\nwindow_top_posn=-900\nwindow_Width=700\nwindow_Height=500\n");
    form.FormShow();
    EXPECT_EQ(view.outer, (Bounds{20, 44, 700, 500}));
}

struct Placement {
    const char* what;
    Bounds stored;
    Bounds placed;
};

class PlaceWindow : public ::testing::TestWithParam<Placement> {};

TEST_P(PlaceWindow, KeepsWhatFitsAndBringsTheRestWithinReach)
{
    Screens layout;
    layout.screens = {{{0, 0, 1920, 1080}, {0, 30, 1920, 1050}},
                      {{1920, 0, 1280, 1024}, {1920, 0, 1280, 1000}}};
    layout.minimum_width = 120;
    layout.minimum_height = 80;
    layout.title_height = 24;
    EXPECT_EQ(place_window(GetParam().stored, layout), GetParam().placed) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceWindow,
    ::testing::Values(
        Placement{"within the first work area", {200, 150, 659, 614}, {200, 150, 659, 614}},
        Placement{"within the second work area", {2000, 100, 659, 614}, {2000, 100, 659, 614}},
        Placement{"its right part off the second screen", {3100, 300, 659, 614}, {2541, 300, 659, 614}},
        Placement{"under the top panel", {100, 10, 659, 614}, {100, 30, 659, 614}},
        Placement{"title bar above the screen", {100, -600, 659, 614}, {100, 30, 659, 614}},
        Placement{"only the frame's top left on screen", {1000, 1079, 659, 614}, {1000, 1056, 659, 614}},
        Placement{"wholly left", {-659, 20, 659, 614}, {20, 50, 659, 614}},
        Placement{"below the second screen", {2000, 1024, 659, 614}, {20, 50, 659, 614}},
        Placement{"larger than its work area", {0, 0, 2147483647, 2147483647}, {0, 30, 1920, 1050}},
        Placement{"taller than its work area, low down", {100, 600, 659, 1400}, {100, 30, 659, 1050}},
        Placement{"taller than the second work area", {2000, 500, 659, 1100}, {2000, 0, 659, 1000}},
        Placement{"too narrow", {20, 40, 50, 614}, {20, 40, 120, 614}},
        Placement{"too low", {20, 40, 659, 10}, {20, 40, 659, 80}},
        Placement{"no size, off screen", {5000, 5000, 0, 0}, {20, 50, 120, 80}}));

TEST_F(Lifecycle, SaveWritesTheSevenKeysInOrder)
{
    Store("Always_on_Top_Option=1\n");
    registered = true;
    form.FormShow();
    std::filesystem::remove(ini);
    view.outer = {30, 40, 700, 650};
    form.FormCloseQuery();
    const std::string text = get_bytes(ini);
    std::size_t at = 0;
    for (const char* line : {"[orrindale]", "WindowState_wsMaximized=0", "window_top_posn=40",
                             "window_left_posn=30", "window_Width=700", "window_Height=650",
                             "Always_on_Top_Option=1", "Auto_Run_at_Windows_Startup_Option=1"}) {
        at = text.find(line, at);
        ASSERT_NE(at, std::string::npos) << line << " in\n" << text;
    }
}

TEST_F(Lifecycle, MaximisedSavesOneAndTheNormalBoundsAndStartsMaximisedAgain)
{
    form.FormShow();
    view.SetOuterBounds({100, 80, 700, 600});
    view.ShowWindow(kShowMaximized);
    form.FormCloseQuery();
    EXPECT_FALSE(view.maximized);
    EXPECT_EQ(read_window_settings(ini), (WindowSettings{true, 80, 100, 700, 600, false, false}));

    RecordingView next_run;
    MainForm next_form(next_run);
    next_form.Settings_File_Path = [this] { return ini; };
    next_form.FormShow();
    EXPECT_TRUE(next_run.maximized);
    next_run.ShowWindow(kShowRestore);
    EXPECT_EQ(next_run.outer, (Bounds{100, 80, 700, 600}));
}

TEST_F(Lifecycle, OnTopStoredAsTwoStartsOnTopAndIsWrittenBackAsOne)
{
    Store("Always_on_Top_Option=2\n");
    form.FormShow();
    EXPECT_TRUE(view.on_top_checked);
    EXPECT_TRUE(view.topmost);
    form.FormCloseQuery();
    EXPECT_NE(get_bytes(ini).find("Always_on_Top_Option=1"), std::string::npos) << get_bytes(ini);
}

TEST_F(Lifecycle, FailedSaveIsReportedWithThePath)
{
    std::filesystem::create_directory(ini); // a folder where the file should be
    guarded([this] { form.FormCloseQuery(); });
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(user.shown[0].caption, "Orrindale v1.0");
    EXPECT_EQ(user.shown[0].text, "Unable to write to " + ini + ".");
}

// A runaway settings file (or, on Linux, a device behind its name) is no settings file:
// the start-up takes the defaults and the close reports the file, not a library error.
TEST_F(Lifecycle, OversizedSettingsFileStartsWithDefaultsAndItsSaveIsReported)
{
    const std::string oversized = "[orrindale]\nwindow_Width=700\n;" +
                                  std::string(kMaxSettingsFileBytes, 'c');
#ifdef _WIN32
    const std::vector<bool> behind_a_link{false};
#else
    const std::vector<bool> behind_a_link{false, true};
#endif
    for (const bool link : behind_a_link) {
        std::filesystem::remove(ini);
        if (link)
            std::filesystem::create_symlink("/dev/zero", ini);
        else
            put_bytes(ini, oversized);
        user.shown.clear();
        form.FormShow();
        EXPECT_EQ(view.outer, kDefaultBounds) << link;
        guarded([this] { form.FormCloseQuery(); });
        ASSERT_EQ(user.shown.size(), 1u) << link;
        EXPECT_EQ(user.shown[0].text, "Unable to write to " + ini + ".");
    }
}

TEST_F(Lifecycle, AlwaysOnTopMarkAndBandAgree)
{
    form.FormShow();
    for (bool expected : {true, false, true}) {
        form.Always_On_Top_OptionClick();
        EXPECT_EQ(view.on_top_checked, expected);
        EXPECT_EQ(view.topmost, expected);
    }
    EXPECT_EQ(view.calls("Topmost="),
              (std::vector<std::string>{"Topmost=0", "Topmost=1", "Topmost=0", "Topmost=1"}));
}

TEST_F(Lifecycle, FactoryDefaultsQuestionIsAWarningOfFourSentences)
{
    user.answer = BoxAnswer::No;
    form.Restore_Factory_Defaults_OptionClick();
    ASSERT_EQ(user.shown.size(), 1u);
    const BoxRequest& box = user.shown[0];
    EXPECT_EQ(box.kind, BoxKind::Warning);
    EXPECT_EQ(box.caption, "Warning");
    EXPECT_EQ(box.buttons, BoxButtons::YesNo);
    // Three sentences on consecutive lines, an empty line, the fourth.
    const std::regex sentences(R"([^\r\n]+[.?]\r\n[^\r\n]+[.?]\r\n[^\r\n]+[.?]\r\n\r\n[^\r\n]+[.?])");
    EXPECT_TRUE(std::regex_match(box.text, sentences)) << box.text;
}

TEST_F(Lifecycle, FactoryDefaultsAnsweredNoChangesNothing)
{
    Store("window_left_posn=300\nAlways_on_Top_Option=1\n");
    form.FormShow();
    const std::string bytes = get_bytes(ini);
    const auto log_size = view.log.size();
    user.answer = BoxAnswer::No;
    form.Restore_Factory_Defaults_OptionClick();
    EXPECT_EQ(view.log.size(), log_size);
    EXPECT_EQ(get_bytes(ini), bytes);
    EXPECT_EQ(view.outer.left, 300);
    EXPECT_TRUE(view.topmost);
}

TEST_F(Lifecycle, FactoryDefaultsAnsweredYesDeletesTheFileAndStartsAfresh)
{
    Store("WindowState_wsMaximized=1\nwindow_left_posn=300\nwindow_Width=900\nAlways_on_Top_Option=1\n");
    form.FormShow();
    ASSERT_TRUE(view.maximized && view.topmost);
    form.Next_Year_SpeedButtonClick();
    const auto layout = view.layout;
    view.log.clear();
    user.answer = BoxAnswer::Yes;
    form.Restore_Factory_Defaults_OptionClick();
    EXPECT_FALSE(std::filesystem::exists(ini));
    EXPECT_EQ(view.log.front(), "SettingsFile");
    EXPECT_EQ(view.log.at(1), "ShowWindow=9");
    EXPECT_FALSE(view.maximized);
    EXPECT_EQ(view.outer, kDefaultBounds);
    EXPECT_FALSE(view.on_top_checked);
    EXPECT_FALSE(view.topmost);
    EXPECT_EQ(view.year_text, "2026");
    EXPECT_EQ(view.layout, layout) << "the first record is kept";
    EXPECT_EQ(view.calls("VerifyAutoRun").size(), 1u);
}

} // namespace
} // namespace orr::test
