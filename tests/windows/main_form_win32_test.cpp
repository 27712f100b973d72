// The Win32 main window as a screen reader meets it, under Wine: every control carries
// its caption as window text (the glyph buttons their hints, the year box its year, each
// month grid its month and year), and the texts follow the year shown; its controls and
// menu items are made in the design table's order. The session and other programs find
// the window where they left it. The hints are there once the mouse arrives; the About
// window's follow the control on top.
#include <windows.h>
#include <array>
#include <commctrl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "about/win32/about_box.h"
#include "app/win32/control_ids.h"
#include "app/win32/main_form1.h"
#include "core/clock.h"
#include "core/dialogs.h"
#include "tests/support/recording_dialogs.h"

namespace {

using Texts = std::map<int, std::wstring>; // by control id

const std::array<std::wstring, 12> kMonths{L"January",   L"February", L"March",    L"April",
                                           L"May",       L"June",     L"July",     L"August",
                                           L"September", L"October",  L"November", L"December"};

std::wstring text_of(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK collect_visible(HWND window, LPARAM texts)
{
    if (IsWindowVisible(window))
        (*reinterpret_cast<Texts*>(texts))[GetDlgCtrlID(window)] = text_of(window);
    return TRUE;
}

std::string absent_settings_file()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + "orrindale-absent-folder\\orrindale.ini";
}

class Win32WindowTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        orr::set_clock(&clock_);
        orr::set_dialogs(&dialogs_);
        form = std::make_unique<TMainForm1>();
        form->Form().Settings_File_Path = [] { return absent_settings_file(); };
        form->Form().Verify_Auto_Run_Path = [] { return false; };
        form->Start();
    }
    void TearDown() override
    {
        // Destroyed without a close request, so nothing is saved.
        form.reset();
        orr::set_dialogs(nullptr);
        orr::set_clock(nullptr);
    }

    Texts visible_texts() const
    {
        Texts texts;
        EnumChildWindows(form->Handle(), collect_visible, reinterpret_cast<LPARAM>(&texts));
        return texts;
    }
    // A press and a release inside the button, as the mouse gives them.
    void click(int control_id) const
    {
        const HWND button = GetDlgItem(form->GroupBox1, control_id);
        ASSERT_NE(button, nullptr);
        SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    }
    static void expect_grids_name(const Texts& texts, const std::wstring& year)
    {
        for (int month = 1; month <= 12; ++month)
            EXPECT_EQ(texts.at(control_id(("Calendar" + std::to_string(month)).c_str())),
                      kMonths[month - 1] + L" " + year)
                << month;
    }

    orr::FixedClock clock_{{2026, 12, 8, 12, 0, 0, 0}};
    RecordingDialogs dialogs_;
    std::unique_ptr<TMainForm1> form;
};

TEST_F(Win32WindowTexts, EveryControlCarriesWhatAScreenReaderAnnounces)
{
    const Texts texts = visible_texts();
    EXPECT_EQ(texts.at(control_id("Last_Year_SpeedButton")), L"Previous Year");
    EXPECT_EQ(texts.at(control_id("Next_Year_SpeedButton")), L"Next Year");
    EXPECT_EQ(texts.at(control_id("Current_Year_BitBtn")), L"Current Year");
    EXPECT_EQ(texts.at(control_id("Exit_BitBtn")), L"Exit");
    EXPECT_EQ(texts.at(control_id("Year_Edit")), L"2026");
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(texts.at(control_id(("Label" + std::to_string(month)).c_str())), kMonths[month - 1])
            << month;
    expect_grids_name(texts, L"2026");
    // The frame round the button row has no caption; every other control has a text.
    for (const auto& [id, text] : texts) {
        if (id != control_id("GroupBox1")) {
            EXPECT_FALSE(text.empty()) << "control " << id;
        }
    }
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(Win32WindowTexts, TextsFollowTheYearShown)
{
    click(control_id("Next_Year_SpeedButton"));
    Texts texts = visible_texts();
    EXPECT_EQ(texts.at(control_id("Year_Edit")), L"2027");
    expect_grids_name(texts, L"2027");

    click(control_id("Last_Year_SpeedButton"));
    click(control_id("Last_Year_SpeedButton"));
    texts = visible_texts();
    EXPECT_EQ(texts.at(control_id("Year_Edit")), L"2025");
    expect_grids_name(texts, L"2025");
    // The glyph buttons keep their names through every click.
    EXPECT_EQ(texts.at(control_id("Last_Year_SpeedButton")), L"Previous Year");
    EXPECT_EQ(texts.at(control_id("Next_Year_SpeedButton")), L"Next Year");
    EXPECT_TRUE(dialogs_.shown.empty());
}

// Child windows stand in the order they were made, the first made first, and so do the
// items of a menu: within each parent the components follow the design table.
TEST_F(Win32WindowTexts, ComponentsAreMadeInTheDesignTablesOrder)
{
    std::map<HWND, std::vector<int>> designed;
    std::map<HWND, std::vector<int>> made;
    for (std::size_t index = 0; index < orr::mainform::kComponentCount; ++index) {
        const orr::mainform::Design& design = orr::mainform::kDesign[index];
        if (design.visual()) {
            const HWND parent = design.parent ? GetDlgItem(form->Handle(), control_id(design.parent))
                                              : form->Handle();
            designed[parent].push_back(control_id(index));
        }
    }
    for (auto& [parent, ids] : designed) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            made[parent].push_back(GetDlgCtrlID(child));
        EXPECT_EQ(made[parent], ids);
    }
    std::vector<int> items;
    for (int menu = 0; menu < GetMenuItemCount(form->MainMenu1); ++menu) {
        const HMENU popup = GetSubMenu(form->MainMenu1, menu);
        for (int item = 0; item < GetMenuItemCount(popup); ++item)
            items.push_back(static_cast<int>(GetMenuItemID(popup, item)));
    }
    std::vector<int> designed_items;
    for (std::size_t index = 0; index < orr::mainform::kComponentCount; ++index) {
        const auto kind = orr::mainform::kDesign[index].kind;
        if (kind == orr::mainform::Kind::Item || kind == orr::mainform::Kind::CheckItem)
            designed_items.push_back(control_id(index));
        else if (kind == orr::mainform::Kind::Separator)
            designed_items.push_back(0);
    }
    EXPECT_EQ(items, designed_items);
}

bool on_top_checked(const TMainForm1& form)
{
    return (GetMenuState(form.MainMenu1, control_id("Always_On_Top_Option"), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// Another program moving the window into the topmost band and out of it.
TEST_F(Win32WindowTexts, TheOnTopMarkFollowsTheBandSetFromOutside)
{
    ASSERT_FALSE(on_top_checked(*form));
    for (const bool on : {true, false}) {
        SetWindowPos(form->Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
        EXPECT_EQ(on_top_checked(*form), on);
    }
}

// A log-off is asked first and may be cancelled: answering leaves the maximised window
// as it is, and the settings are written only when the session really ends.
TEST_F(Win32WindowTexts, ALogOffSavesOnlyAtItsEndAndLeavesTheWindowMaximised)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string ini = std::string(folder) + "orrindale-session-test.ini";
    DeleteFileA(ini.c_str());
    form->Form().Settings_File_Path = [ini] { return ini; };
    ShowWindow(form->Handle(), SW_MAXIMIZE);
    ASSERT_TRUE(IsZoomed(form->Handle()));

    EXPECT_TRUE(SendMessageA(form->Handle(), WM_QUERYENDSESSION, 0, 0));
    EXPECT_TRUE(IsZoomed(form->Handle()));
    EXPECT_EQ(GetFileAttributesA(ini.c_str()), INVALID_FILE_ATTRIBUTES) << "saved before the session ended";

    SendMessageA(form->Handle(), WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(IsZoomed(form->Handle()));
    std::stringstream saved;
    saved << std::ifstream(ini).rdbuf();
    EXPECT_NE(saved.str().find("WindowState_wsMaximized=1"), std::string::npos) << saved.str();
    EXPECT_TRUE(dialogs_.shown.empty());
    DeleteFileA(ini.c_str());
}

// The hint a window's hints show where the mouse rests at a point of its client area, or
// over the control itself for a hint that follows a control.
std::string hint_at(HWND window, POINT at)
{
    HWND tips = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            char name[32] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string(name) == TOOLTIPS_CLASSA)
                *reinterpret_cast<HWND*>(found) = window;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    TTHITTESTINFOA hit{window, at, {}};
    hit.ti.cbSize = sizeof hit.ti;
    char text[128] = {};
    if (!tips || !SendMessageA(tips, TTM_HITTESTA, 0, reinterpret_cast<LPARAM>(&hit)))
        return "";
    hit.ti.lpszText = text;
    SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&hit.ti));
    return text;
}

TEST(Win32AboutHints, TheBadgesHintShowsOverTheBadgeButNotOverTheLabelOnIt)
{
    const TAboutBox box(nullptr);
    const orr::about::Rect label = box.State(orr::about::Control::Badge_Label).bounds;
    const orr::about::Rect badge = box.State(orr::about::Control::Badge_Logo).bounds;
    EXPECT_EQ(hint_at(box.Handle(), {(label.left + label.right) / 2, (label.top + label.bottom) / 2}), "");
    EXPECT_EQ(hint_at(box.Handle(), {badge.right - 4, badge.bottom - 4}), "Hey, don't poke me there !!");
}

TEST_F(Win32WindowTexts, TheHintsAreThereOnceTheMouseComesOverAControl)
{
    const HWND button = GetDlgItem(form->GroupBox1, control_id("Next_Year_SpeedButton"));
    // What a control passes up to its parent as the mouse moves over it.
    SendMessageA(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(hint_at(button, {4, 4}), "Next Year");
    EXPECT_EQ(hint_at(GetDlgItem(form->GroupBox1, control_id("Exit_BitBtn")), {4, 4}), "Exit Program");
}

} // namespace
