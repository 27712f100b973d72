// TMainForm1 on Win32: the main window's controls, showing one whole year as twelve
// month grids with a button row, its menu and title-bar clock. What the window does is
// orr::MainForm's; this class creates the controls and is its view.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/win32/font_cache.h"

class TAboutBox;
class TCalendar;
class TSpeedButton;

class TMainForm1 : public orr::MainFormView, public orr::MainForm {
public:
    explicit TMainForm1(HINSTANCE instance);
    ~TMainForm1() override;
    TMainForm1(const TMainForm1&) = delete;
    TMainForm1& operator=(const TMainForm1&) = delete;

    HWND Handle() const { return handle_; }
    // Runs the start-up sequence and makes the window visible.
    void Show();

    // The About window, created by program start right after this window.
    TAboutBox* AboutBox = nullptr;

    TCalendar* Calendar(int month) const { return calendars_[month - 1].get(); }
    HWND MonthLabel(int month) const { return labels_[month - 1]; }
    HWND GroupBox1 = nullptr;
    HWND Year_Edit = nullptr;
    HWND Current_Year_BitBtn = nullptr;
    HWND Exit_BitBtn = nullptr;
    HWND Scaling_ListBox = nullptr;
    HMENU MainMenu1 = nullptr;

    // The view.
    std::string YearText() const override;
    void SetYearText(const std::string& text) override;
    void SetCalendarDatePart(int month, orr::DatePart part, int value) override;
    void SetLabelColour(int month, int colour) override;
    void SetYearButtonsEnabled(bool previous, bool next) override;
    int ComponentCount() const override { return static_cast<int>(components_.size()); }
    std::optional<orr::ControlState> Component(int index) const override;
    void SetComponentBounds(int index, const orr::ControlBounds& bounds, int font_height) override;
    int PixelsPerInch() const override;
    std::vector<std::string> LayoutLines() const override;
    void AppendLayoutLine(const std::string& line) override;
    void HideScrollBars() override;
    orr::Bounds ClientRect() const override;
    void SetClientSize(int width, int height) override;
    orr::Bounds OuterBounds() const override;
    void SetOuterBounds(const orr::Bounds& outer) override;
    orr::Screens ScreenLayout() const override;
    bool IsMaximized() const override;
    void ShowWindow(int command) override;
    int LauncherShowCommand() const override;
    void SetTopmost(bool on) override;
    bool Checked(orr::MenuOption option) const override;
    void SetChecked(orr::MenuOption option, bool checked) override;
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void SetAboutTexts(const orr::AboutTexts& texts) override;
    void ShowAbout() override;
    std::string AboutProductName() const override;
    void Close() override;
    std::string LongDayName(int weekday) const override;
    std::string LongMonthName(int month) const override;

private:
    // A component of the window in creation order: a control with its font, or a
    // menu, menu item or timer (no window).
    struct Owned {
        explicit Owned(std::string n, HWND w = nullptr, FontChoice f = {}) : name(std::move(n)), window(w), font(std::move(f)) {}
        std::string name;
        HWND window = nullptr;
        FontChoice font;
        SharedFont held;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    bool Command(int id);
    LRESULT ControlColour(HDC dc, HWND control);
    void DrawButton(const DRAWITEMSTRUCT& item);

    void CreateMenu();
    void CreateMonths();
    void CreateButtonRow();
    void CreateHints();
    HWND AddControl(const char* name, const char* kind, DWORD style, HWND parent, int id, RECT design,
                    FontChoice font, DWORD ex_style = 0);
    // Takes a control made elsewhere into the component list, at its design bounds.
    void Adopt(const std::string& name, HWND window, RECT design, FontChoice font);
    void AddNonVisual(const char* name) { components_.emplace_back(name); }
    void ApplyFont(Owned& component);
    // Design bounds (at 96 pixels per inch) at the window's density.
    RECT AtDensity(const RECT& design) const;
    DWORD Style() const;

    HWND handle_ = nullptr;
    int dpi_ = 96;  // the density the controls were made at
    FontCache fonts_;
    std::vector<Owned> components_;
    std::array<std::unique_ptr<TCalendar>, kMonths> calendars_;
    std::array<HWND, kMonths> labels_{};
    std::array<std::optional<COLORREF>, kMonths> label_colours_;
    std::unique_ptr<TSpeedButton> Last_Year_SpeedButton;
    std::unique_ptr<TSpeedButton> Next_Year_SpeedButton;
    HWND hints_ = nullptr;
    std::string hint_;
};
