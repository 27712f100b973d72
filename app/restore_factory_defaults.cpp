// Restoring the factory defaults: the settings file goes and the start-up runs again.
#include "app/main_form.h"
#include "app/settings/file_status.h"
#include "core/dialogs.h"

namespace orr {
namespace {

const char* const kRestoreQuestion = "The settings file will be deleted.\r\n"
                                     "The window will return to its original position and size.\r\n"
                                     "Always On Top will be switched off.\r\n"
                                     "\r\n"
                                     "Do you want to restore the factory defaults?";

} // namespace

void MainForm::Restore_Factory_Defaults_OptionClick() { Restore_Factory_Defaults(); }

void MainForm::Restore_Factory_Defaults()
{
    if (!ask_warning(kRestoreQuestion))
        return;
    // A file held open by another program stays, and its settings are read back.
    Delete_Closed_File(Settings_File_Path());
    view_.ShowWindow(kShowRestore);
    FormShow();
}

} // namespace orr
