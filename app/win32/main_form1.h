// TMainForm1 on Win32: the main window's controls, made from the shared design table,
// and the view of the orr::MainForm it holds. What the window does is that form's; this
// class translates between Win32 and it.
#pragma once

#include <windows.h>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/system_locale_names.h"
#include "core/win32/font_cache.h"
#include "core/win32/handles.h"
#include "core/win32/window.h"

class TAboutBox;
class TCalendar;
class TSpeedButton;

class TMainForm1 : public orr::win32::Window, public orr::SystemLocaleNames<orr::MainFormView> {
public:
    // Owned by the application's window, when there is one, which then stands for it on
    // the taskbar.
    explicit TMainForm1(HWND application = nullptr);
    ~TMainForm1() override;

    orr::MainForm& Form() { return form_; }
    // Program start: the start-up sequence, which shows the window.
    void Start() { form_.FormShow(); }
    // The menu's shortcut keys: true when the message was one and its command ran.
    bool TranslateShortcut(MSG& message) const;

    HWND GroupBox1 = nullptr;
    HWND Year_Edit = nullptr;
    HWND Scaling_ListBox = nullptr;
    HMENU MainMenu1 = nullptr;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    static constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

    // A component of the window by its index in the design table: a control with its
    // font; a menu, menu item or timer has no window.
    struct Owned {
        HWND window = nullptr;
        HMENU menu = nullptr; // a menu bar or menu
        orr::win32::FontChoice font;
        orr::win32::SharedFont held;
    };

    HWND Application() const { return GetWindow(Handle(), GW_OWNER); }
    LRESULT ControlColour(HDC dc, HWND control);
    void FollowTopmost();
    void DrawButton(const DRAWITEMSTRUCT& item);

    void Make(std::size_t index);
    HWND MakeControl(const orr::mainform::Design& design, int id, HWND parent);
    void MakeMenuEntry(const orr::mainform::Design& design, int id);
    void MakeShortcuts();
    void MakeHints();
    void ApplyFont(Owned& component);

    // The view.
    void SetYearText(const std::string& text) override;
    void SetCalendarDatePart(int month, orr::DatePart part, int value) override;
    void SetLabelColour(int month, int colour) override;
    void SetYearButtonsEnabled(bool previous, bool next) override;
    int DesignDensity() const override { return dpi_; }
    int PixelsPerInch() const override { return dpi_; }
    void PlaceControls(const std::vector<orr::ControlPlacement>& batch) override;
    void MirrorLayoutRecord(const std::vector<std::string>& lines) override;
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
    void SetChecked(orr::MenuOption option, bool checked) override;
    void SetCaption(const std::string& caption) override;
    void SetTaskbarTitle(const std::string& title) override;
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void ShowAbout(const orr::AboutTexts& texts) override;
    void PrintYear(const orr::print::YearPage& page) override;
    void Close() override;

    orr::MainForm form_{*this};
    // The density the controls were made at; after a move to a monitor of another
    // density the window's new size alone carries the change, fonts included.
    int dpi_ = 96;
    orr::win32::FontCache fonts_;
    std::vector<Owned> components_;
    std::array<std::unique_ptr<TCalendar>, orr::MainForm::kMonths> calendars_;
    std::array<HWND, orr::MainForm::kMonths> labels_{};
    std::array<std::optional<COLORREF>, orr::MainForm::kMonths> label_colours_;
    std::unique_ptr<TSpeedButton> Last_Year_SpeedButton;
    std::unique_ptr<TSpeedButton> Next_Year_SpeedButton;
    orr::win32::WindowHandle hints_;
    std::string hint_;
    bool topmost_ = false; // the band the window was last seen in
    // Made when Help > About first asks for it.
    std::unique_ptr<TAboutBox> about_box_;
    std::unique_ptr<std::remove_pointer_t<HACCEL>, decltype(&DestroyAcceleratorTable)> shortcuts_{
        nullptr, &DestroyAcceleratorTable};
};
