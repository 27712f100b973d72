// The main window's start-up sequence, run when it is first shown and again by the
// factory defaults.
#include <stdexcept>

#include "app/main_form.h"
#include "app/settings/settings_file.h"
#include "core/event_guard.h"

namespace orr {
namespace {

// A failing step is reported and the start-up goes on, so the window always ends up
// placed, titled and showing the current year.
template <typename Step>
void run_step(Step&& step)
{
    guarded(std::forward<Step>(step));
}

ControlState component_named(const MainFormView& view, const std::string& name)
{
    for (int i = 0; i < view.ComponentCount(); ++i) {
        const auto component = view.Component(i);
        if (component && component->name == name)
            return *component;
    }
    throw std::logic_error("No component " + name);
}

} // namespace

void MainForm::FormShow()
{
    bool maximized = false;
    run_step([this] {
        // The design client size: the button row's right edge plus its left margin, and
        // its bottom plus the top margin of the first label.
        const ControlState box = component_named(view_, "GroupBox1");
        const ControlState label = component_named(view_, "Label1");
        view_.SetClientSize(box.left + box.width + box.left, box.top + box.height + label.top);
    });
    run_step([this] { Record_Layout(); });
    run_step([this, &maximized] {
        const StartUpSettings read = read_start_up_settings(Settings_File_Path());
        const WindowSettings& settings = read.window;
        const Bounds current = view_.OuterBounds();
        const Bounds stored{settings.left, settings.top, read.width_stored ? settings.width : current.width,
                            read.height_stored ? settings.height : current.height};
        view_.SetOuterBounds(place_window(stored, view_.ScreenLayout()));
        // Without a stored size the window takes the recorded design layout, whatever
        // its frame.
        const std::vector<std::string> record = view_.LayoutLines();
        if (!record.empty() && (!read.width_stored || !read.height_stored)) {
            const Bounds client = view_.ClientRect();
            view_.SetClientSize(read.width_stored ? client.width : Get_Field(record.front(), " ", 1),
                                read.height_stored ? client.height : Get_Field(record.front(), " ", 2));
        }
        view_.SetChecked(MenuOption::AlwaysOnTop, settings.always_on_top);
        view_.SetChecked(MenuOption::AutoRun, settings.auto_run);
        maximized = settings.maximized;
    });
    run_step([this] { Set_Titles(); });
    run_step([this] { Apply_Startup_Show_State(); });
    if (maximized)
        run_step([this] { view_.ShowWindow(kShowMaximized); });
    run_step([this] {
        // Toggling the inverted mark applies the state that was read.
        view_.SetChecked(MenuOption::AlwaysOnTop, !view_.Checked(MenuOption::AlwaysOnTop));
        Toggle_Always_On_Top();
    });
    // A registry error is reported and leaves the item unchecked; the year still shows.
    bool registered = false;
    run_step([this, &registered] { registered = Verify_Auto_Run_Path(); });
    run_step([this, registered] { view_.SetChecked(MenuOption::AutoRun, registered); });
    run_step([this] { Current_Year_BitBtnClick(); });
}

void MainForm::Apply_Startup_Show_State() { view_.ShowWindow(view_.LauncherShowCommand()); }

} // namespace orr
