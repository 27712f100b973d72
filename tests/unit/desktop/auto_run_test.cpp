// The auto-run registration on a registry in memory, through the main window's start-up
// and its File menu command: what the check mark shows, when the repair prompt comes,
// what a Yes or a No leaves in the registry, and which boxes the user sees, in order.
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "core/product.h"
#include "desktop/auto_run.h"
#include "tests/support/memory_registry.h"
#include "tests/support/recording_dialogs.h"
#include "tests/support/recording_view.h"
#include "tests/unit/settings/file_bytes.h"
#include "tests/unit/settings/temp_folder.h"

namespace orr {
namespace {

using test::MemoryRegistry;

constexpr const char* kRunPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kHere = "C:\\Program Files\\Orrindale\\orrindale.exe";
constexpr const char* kEnabledBox =
    "This program (orrindale.exe) will now run automatically at Windows Start-Up.";
constexpr const char* kDisabledBox =
    "This program (orrindale.exe) will now no-longer run automatically at Windows Start-Up.";

// Boxes go into the window's log too, so that their place in a sequence shows.
class LoggingDialogs : public RecordingDialogs {
public:
    explicit LoggingDialogs(test::RecordingView& view) : view_(view) {}
    BoxAnswer show(const BoxRequest& box) override
    {
        view_.log.push_back("Box " + box.caption);
        return RecordingDialogs::show(box);
    }

private:
    test::RecordingView& view_;
};

class AutoRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        set_clock(&today);
        set_dialogs(&user);
        form.Settings_File_Path = [this] { return folder.file(kSettingsFileName); };
        form.auto_run = AutoRun(registry, [this] { return program; });
    }
    void TearDown() override
    {
        set_clock(nullptr);
        set_dialogs(nullptr);
        set_application_title(kProductTitle);
        EXPECT_EQ(registry.open_now, 0);
    }

    void registered_as(const std::string& name, const std::string& path)
    {
        MemoryRegistry::put(run, name, platform::kRegSz, path + '\0');
    }
    std::string registration(const std::string& name = "orrindale.exe") const
    {
        const auto* value = MemoryRegistry::get(run, name);
        return value ? value->bytes.substr(0, value->bytes.find('\0')) : "(none)";
    }
    std::vector<std::string> box_texts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : user.shown)
            texts.push_back(box.text);
        return texts;
    }
    // The boxes, the auto-run check marks and the year shown, in the order they came.
    std::vector<std::string> sequence() const
    {
        std::vector<std::string> kept;
        for (const auto& entry : view.log) {
            if (entry.starts_with("Box ") || entry.starts_with("AutoRun.") || entry.starts_with("Year_Edit="))
                kept.push_back(entry);
        }
        return kept;
    }

    FixedClock today{{2026, 3, 15, 9, 30, 0}};
    test::TempFolder folder;
    MemoryRegistry registry;
    MemoryRegistry::Key& run = registry.make_key(platform::RootKey::LocalMachine, kRunPath);
    ProgramLocation program{kHere, "orrindale.exe"};
    test::RecordingView view;
    LoggingDialogs user{view};
    MainForm form{view};
};

TEST_F(AutoRunTest, NoRegistrationLeavesTheItemUncheckedWithoutBoxEvenWhenTheSettingsSayOn)
{
    test::put_bytes(folder.file(kSettingsFileName),
                    "[orrindale]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
    form.FormShow();
    EXPECT_EQ(sequence(),
              (std::vector<std::string>{"AutoRun.Checked=1", "AutoRun.Checked=0", "Year_Edit=2026"}));
    EXPECT_TRUE(user.shown.empty());
}

TEST_F(AutoRunTest, OnlyTheCaseOfAsciiLettersMayDifferForAMatch)
{
    struct Case {
        const char* stored;
        bool prompts;
    };
    const Case cases[] = {
        {kHere, false},
        {"c:\\PROGRAM FILES\\orrindale\\ORRINDALE.EXE", false},
        {"\"C:\\Program Files\\Orrindale\\orrindale.exe\"", true},
        {"C:\\PROGRA~1\\ORRIND~1\\orrindale.exe", true},
        {"D:\\Program Files\\Orrindale\\orrindale.exe", true},
    };
    for (const auto& c : cases) {
        registered_as("orrindale.exe", c.stored);
        user.shown.clear();
        user.answer = BoxAnswer::No;
        EXPECT_TRUE(form.auto_run.Verify_Auto_Run_Path()) << c.stored;
        EXPECT_EQ(user.shown.size(), c.prompts ? 1u : 0u) << c.stored;
        EXPECT_EQ(registration(), c.stored);
    }
    // Letters beyond ASCII are compared as they are: é and É differ.
    program = {"C:\\Caf\xE9\\orrindale.exe", "orrindale.exe"};
    registered_as("orrindale.exe", "C:\\CAF\xC9\\ORRINDALE.EXE");
    user.shown.clear();
    EXPECT_TRUE(form.auto_run.Verify_Auto_Run_Path());
    EXPECT_EQ(user.shown.size(), 1u);
}

TEST_F(AutoRunTest, AnotherFolderPromptsWithBothPathsAndNoKeepsItForTheNextStart)
{
    registered_as("orrindale.exe", "D:\\Old Place\\orrindale.exe");
    user.answer = BoxAnswer::No;
    form.FormShow();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].kind, BoxKind::Warning);
    EXPECT_EQ(user.shown[0].caption, "Warning");
    EXPECT_EQ(user.shown[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(user.shown[0].text,
              "The directory / path settings required to make this program (orrindale.exe)\r\n"
              "run automatically at Windows Start-up do not match where the program \r\n"
              "is currently being run from.\r\n"
              "\r\n"
              " Old      = D:\\Old Place\\orrindale.exe\r\n"
              " Current = C:\\Program Files\\Orrindale\\orrindale.exe\r\n"
              "\r\n"
              "Do you want to update the Windows Registry to reflect the programs current locaton ?");
    EXPECT_TRUE(view.auto_run_checked);
    EXPECT_EQ(registration(), "D:\\Old Place\\orrindale.exe");

    form.FormShow();
    EXPECT_EQ(user.shown.size(), 2u);
}

TEST_F(AutoRunTest, YesRewritesTheRegistrationAndTellsSoBeforeTheYearIsShown)
{
    registered_as("orrindale.exe", "D:\\Old Place\\orrindale.exe");
    user.answer = BoxAnswer::Yes;
    form.FormShow();
    EXPECT_EQ(registration(), kHere);
    EXPECT_EQ(box_texts().back(), kEnabledBox);
    EXPECT_EQ(sequence(), (std::vector<std::string>{"AutoRun.Checked=0", "Box Warning", "Box Information",
                                                    "AutoRun.Checked=1", "Year_Edit=2026"}));

    // Repaired: the next start asks nothing.
    user.shown.clear();
    form.FormShow();
    EXPECT_TRUE(user.shown.empty());
    EXPECT_TRUE(view.auto_run_checked);
}

TEST_F(AutoRunTest, ARenamedExecutableFindsNoRegistrationAndLeavesTheOldOneAlone)
{
    registered_as("orrindale.exe", kHere);
    program = {"C:\\Program Files\\Orrindale\\calendar.exe", "calendar.exe"};
    view.auto_run_checked = true;
    form.FormShow();
    EXPECT_FALSE(view.auto_run_checked);
    EXPECT_TRUE(user.shown.empty());
    EXPECT_EQ(registration("orrindale.exe"), kHere);
    EXPECT_EQ(registration("calendar.exe"), "(none)");
}

TEST_F(AutoRunTest, ARegistryErrorAtStartUpIsReportedAndTheYearStillShowsWithTheItemUnchecked)
{
    test::put_bytes(folder.file(kSettingsFileName),
                    "[orrindale]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
    MemoryRegistry::put(run, "orrindale.exe", platform::kRegDword, std::string("\x01\0\0\0", 4));
    form.FormShow();
    ASSERT_EQ(user.shown.size(), 1u);
    EXPECT_EQ(user.shown[0].caption, kProductTitle);
    EXPECT_EQ(user.shown[0].kind, BoxKind::Error);
    // A quote sorts before ".", so no full stop is appended.
    EXPECT_EQ(user.shown[0].text, "Invalid data type for 'orrindale.exe'");
    EXPECT_EQ(sequence(), (std::vector<std::string>{"AutoRun.Checked=1", "Box " + std::string(kProductTitle),
                                                    "AutoRun.Checked=0", "Year_Edit=2026"}));
}

TEST_F(AutoRunTest, TheMenuCommandEnablesOrDisablesByTheCheckMarkAlone)
{
    form.Auto_Run_at_Windows_Startup_OptionClick();
    EXPECT_TRUE(view.auto_run_checked);
    EXPECT_EQ(registration(), kHere);

    // The check mark, not the registry, decides: disabling with nothing registered succeeds.
    run.values.clear();
    form.Auto_Run_at_Windows_Startup_OptionClick();
    EXPECT_FALSE(view.auto_run_checked);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{kEnabledBox, kDisabledBox}));
    for (const auto& box : user.shown) {
        EXPECT_EQ(box.kind, BoxKind::Information);
        EXPECT_EQ(box.caption, "Information");
    }
}

TEST_F(AutoRunTest, AFailedEnableOrDisableKeepsTheCheckMark)
{
    run.refuse_full_access = true;
    form.Auto_Run_at_Windows_Startup_OptionClick();
    EXPECT_FALSE(view.auto_run_checked);

    run.refuse_full_access = false;
    registered_as("orrindale.exe", kHere);
    run.keep_on_delete = true;
    form.FormShow();
    form.Auto_Run_at_Windows_Startup_OptionClick();
    EXPECT_TRUE(view.auto_run_checked);
    ASSERT_EQ(user.shown.size(), 2u);
    EXPECT_TRUE(user.shown[0].text.starts_with("Error: The specified Registry Key"));
    EXPECT_TRUE(user.shown[1].text.starts_with("Error: The required Registry Key settings"));
}

} // namespace
} // namespace orr
