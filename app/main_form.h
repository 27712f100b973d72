// The main window's behaviour, once for both shells: the year commands, the start-up
// sequence and titles, saving at close, always-on-top, the factory defaults, the
// title-bar clock and the proportional layout. It keeps the window's state (the year
// shown, the menu's check marks, the caption, the layout record) and acts on the window
// through a view.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/main_form_design.h"
#include "app/main_form_view.h"
#include "app/scaling/layout_record.h"
#include "app/settings/settings_file.h"
#include "core/clock.h"
#include "desktop/auto_run.h"
#include "desktop/document_viewer.h"

namespace orr {

class MainForm {
public:
    static constexpr int kMonths = 12;
    // Label colours, as 0x00BBGGRR values.
    static constexpr int kHighlightColour = 255; // pure red
    static constexpr int kPlainColour = 0;       // black

    explicit MainForm(MainFormView& view);
    // The default of Verify_Auto_Run_Path refers to this very form.
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    // The start-up registration: the system's registry and this executable.
    AutoRun auto_run;
    // Whether a start-up registration for this program exists, after offering to repair
    // a stale one.
    std::function<bool()> Verify_Auto_Run_Path = [this] { return auto_run.Verify_Auto_Run_Path(); };
    // The settings file, taken afresh at each use.
    std::function<std::string()> Settings_File_Path = [] { return settings_file_path(); };
    // The readme and the catalogue beside the executable, in the desktop's text editor.
    DocumentViewer document_viewer;

    // Stored by the current-year command; 0 until it first runs.
    int Current_Year = 0;
    int Current_Month = 0;

    // A component's command (a click, a menu choice, a tick), through the event guard.
    void Run(mainform::Command command);

    void FormShow();
    void FormCloseQuery();
    // The client area has this new size.
    void FormResize(int client_width, int client_height);
    void Current_Year_BitBtnClick();
    void Last_Year_SpeedButtonClick();
    void Next_Year_SpeedButtonClick();
    void Always_On_Top_OptionClick();
    void Auto_Run_at_Windows_Startup_OptionClick();
    void Restore_Factory_Defaults_OptionClick();
    void Print_Year_OptionClick();
    void View_Readme_file_OptionClick();
    void View_Shareware_Catalog_OptionClick();
    void AboutOptionClick();
    void ExitOptionClick();
    void Exit_BitBtnClick();
    void Timer1Timer();

    void Set_Titles();
    void Apply_Startup_Show_State();
    void Save_Settings();
    // The desktop session is being saved (a checkpoint, or a log-out that may yet be
    // cancelled): the settings are written and the window stays as it is.
    void SaveForSession();
    // The window's stacking band was changed from outside (the window manager's menu).
    void TopmostChangedOutside(bool on);
    void Toggle_Always_On_Top();
    void Restore_Factory_Defaults();
    void Record_Layout();
    void Scale_Layout(int client_width, int client_height);

    static int Year_Of_Today();
    static int Month_Of_Today();

private:
    void SetChecked(MenuOption option, bool checked);
    void ShowYear(int year);
    void StepYear(int delta);
    void ColourLabelsFor(int year);
    void UpdateYearButtons(int year);
    WindowSettings SettingsToKeep(bool maximized) const;
    template <typename Step>
    void StartUpStep(Step&& step);

    MainFormView& view_;
    // What the window shows, as this form last set it.
    std::optional<int> year_shown_;
    bool on_top_ = false;
    bool auto_run_ = false;
    std::string caption_;
    AboutTexts about_texts_;
    // The layout record: the design client size and each component's design bounds,
    // taken once per run; nothing for a non-visual component.
    struct LayoutRecord {
        int width = 0;
        int height = 0;
        std::vector<std::optional<ControlBounds>> controls;
    };
    std::optional<LayoutRecord> layout_;
    // Errors met by start-up steps before the window is shown wait for it, so that
    // their boxes stand above the window.
    bool window_shown_ = false;
    std::vector<std::string> held_reports_;
    // The moment whose caption the clock last wrote; the caption shows whole seconds,
    // so the ticks within that second have nothing to do.
    std::optional<LocalDateTime> caption_second_;
};

} // namespace orr
