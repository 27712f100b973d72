// Saving the settings at close, always-on-top, and restoring the factory defaults.
#include <QAction>

#include "app/always_on_top.h"
#include "app/main_form.h"
#include "app/settings/file_status.h"
#include "app/settings/settings_file.h"
#include "core/dialogs.h"

namespace {

const char* const kRestoreQuestion =
    "The settings file will be deleted.\r\n"
    "The window will return to its original position and size.\r\n"
    "Always On Top will be switched off.\r\n"
    "\r\n"
    "Do you want to restore the factory defaults?";

} // namespace

void TMainForm1::FormCloseQuery() { Save_Settings(); }

void TMainForm1::Save_Settings()
{
    orr::WindowSettings settings;
    settings.maximized = isMaximized();
    // A maximised window is restored first, so the bounds kept are the normal ones.
    if (settings.maximized)
        RestoreFromMaximized();
    const QRect outer = OuterBounds();
    settings.top = outer.top();
    settings.left = outer.left();
    settings.width = outer.width();
    settings.height = outer.height();
    settings.always_on_top = Always_On_Top_Option->isChecked();
    settings.auto_run = Auto_Run_at_Windows_Startup_Option->isChecked();
    orr::write_window_settings(Settings_File_Path(), settings);
}

void TMainForm1::Toggle_Always_On_Top()
{
    const bool on = !Always_On_Top_Option->isChecked();
    Always_On_Top_Option->setChecked(on);
    orr::window::set_always_on_top(this, on);
}

void TMainForm1::Restore_Factory_Defaults()
{
    if (!orr::ask_warning(kRestoreQuestion))
        return;
    // A file held open by another program stays, and its settings are read back.
    orr::Delete_Closed_File(Settings_File_Path());
    if (isMaximized())
        RestoreFromMaximized();
    else
        showNormal();
    FormShow();
}
