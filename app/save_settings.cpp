// Saving the window's placement and options when it is asked to close, or when the
// desktop session is saved.
#include "app/main_form.h"
#include "app/settings/settings_file.h"

namespace orr {

WindowSettings MainForm::SettingsToKeep(bool maximized) const
{
    WindowSettings settings;
    settings.maximized = maximized;
    const Bounds outer = view_.OuterBounds();
    settings.top = outer.top;
    settings.left = outer.left;
    settings.width = outer.width;
    settings.height = outer.height;
    settings.always_on_top = on_top_;
    settings.auto_run = auto_run_;
    return settings;
}

void MainForm::FormCloseQuery() { Save_Settings(); }

void MainForm::Save_Settings()
{
    const bool maximized = view_.IsMaximized();
    // A maximised window is restored first, so the bounds kept are the normal ones.
    if (maximized)
        view_.ShowWindow(kShowRestore);
    write_window_settings(Settings_File_Path(), SettingsToKeep(maximized));
}

void MainForm::SaveForSession()
{
    // The bounds of a maximised window are the ones it returns to, as the view reports them.
    write_window_settings(Settings_File_Path(), SettingsToKeep(view_.IsMaximized()));
}

} // namespace orr
