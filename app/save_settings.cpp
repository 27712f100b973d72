// Saving the window's placement and options when it is asked to close.
#include "app/main_form.h"
#include "app/settings/settings_file.h"

namespace orr {

void MainForm::FormCloseQuery() { Save_Settings(); }

void MainForm::Save_Settings()
{
    WindowSettings settings;
    settings.maximized = view_.IsMaximized();
    // A maximised window is restored first, so the bounds kept are the normal ones.
    if (settings.maximized)
        view_.ShowWindow(kShowRestore);
    const Bounds outer = view_.OuterBounds();
    settings.top = outer.top;
    settings.left = outer.left;
    settings.width = outer.width;
    settings.height = outer.height;
    settings.always_on_top = view_.Checked(MenuOption::AlwaysOnTop);
    settings.auto_run = view_.Checked(MenuOption::AutoRun);
    write_window_settings(Settings_File_Path(), settings);
}

} // namespace orr
