// The File menu's auto-run command: the check mark alone decides between enabling and
// disabling, and changes only when that worked.
#include "app/main_form.h"

namespace orr {

void MainForm::Auto_Run_at_Windows_Startup_OptionClick()
{
    if (auto_run_) {
        if (auto_run.Disable_Auto_Run())
            SetChecked(MenuOption::AutoRun, false);
    } else if (auto_run.Enable_Auto_Run()) {
        SetChecked(MenuOption::AutoRun, true);
    }
}

} // namespace orr
