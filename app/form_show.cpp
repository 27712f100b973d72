// The main window's start-up sequence, run when the program starts and again by the
// factory defaults. The window is shown at the show-state step, once it stands where
// the settings put it; anything that asks the user comes after.
#include <utility>

#include "app/main_form.h"
#include "app/settings/settings_file.h"
#include "core/event_guard.h"

namespace orr {

// A failing step is reported and the start-up goes on, so the window always ends up
// placed, titled and showing the current year. Until the window is shown, a report
// waits for it.
template <typename Step>
void MainForm::StartUpStep(Step&& step)
{
    guarded(std::forward<Step>(step), [this](const std::string& failure) {
        if (window_shown_)
            report_error(failure);
        else
            held_reports_.push_back(failure);
    });
}

void MainForm::FormShow()
{
    bool maximized = false;
    StartUpStep([this] {
        // The design client size: the button row's right edge plus its left margin, and
        // its bottom plus the top margin of the first label.
        const int made_at = view_.DesignDensity();
        const Bounds box = mainform::bounds_at(mainform::design("GroupBox1"), made_at);
        const Bounds label = mainform::bounds_at(mainform::design("Label1"), made_at);
        view_.SetClientSize(box.left + box.width + box.left, box.top + box.height + label.top);
    });
    StartUpStep([this] { Record_Layout(); });
    StartUpStep([this, &maximized] {
        const StartUpSettings read = read_start_up_settings(Settings_File_Path());
        const WindowSettings& settings = read.window;
        const Bounds current = view_.OuterBounds();
        const Bounds stored{settings.left, settings.top, read.width_stored ? settings.width : current.width,
                            read.height_stored ? settings.height : current.height};
        view_.SetOuterBounds(place_window(stored, view_.ScreenLayout()));
        // Without a stored size the window takes the recorded design layout, whatever
        // its frame.
        if (layout_ && (!read.width_stored || !read.height_stored)) {
            const Bounds client = view_.ClientRect();
            view_.SetClientSize(read.width_stored ? client.width : layout_->width,
                                read.height_stored ? client.height : layout_->height);
        }
        SetChecked(MenuOption::AlwaysOnTop, settings.always_on_top);
        SetChecked(MenuOption::AutoRun, settings.auto_run);
        maximized = settings.maximized;
    });
    StartUpStep([this] { Set_Titles(); });
    StartUpStep([this] { Apply_Startup_Show_State(); });
    window_shown_ = true;
    for (const std::string& failure : std::exchange(held_reports_, {}))
        report_error(failure);
    if (maximized)
        StartUpStep([this] { view_.ShowWindow(kShowMaximized); });
    StartUpStep([this] {
        // Toggling the inverted mark applies the state that was read.
        SetChecked(MenuOption::AlwaysOnTop, !on_top_);
        Toggle_Always_On_Top();
    });
    // A registry error is reported and leaves the item unchecked; the year still shows.
    bool registered = false;
    StartUpStep([this, &registered] { registered = Verify_Auto_Run_Path(); });
    StartUpStep([this, registered] { SetChecked(MenuOption::AutoRun, registered); });
    StartUpStep([this] { Current_Year_BitBtnClick(); });
}

void MainForm::Apply_Startup_Show_State()
{
    // A launcher that asks for a hidden window still gets one the user can see.
    const int command = view_.LauncherShowCommand();
    view_.ShowWindow(command == kShowHide ? kShowNormal : command);
}

} // namespace orr
