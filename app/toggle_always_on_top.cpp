// Always-on-top: the menu's check mark and the window's stacking band change together.
#include "app/main_form.h"

namespace orr {

void MainForm::Always_On_Top_OptionClick() { Toggle_Always_On_Top(); }

void MainForm::Toggle_Always_On_Top()
{
    const bool on = !on_top_;
    SetChecked(MenuOption::AlwaysOnTop, on);
    view_.SetTopmost(on);
}

void MainForm::TopmostChangedOutside(bool on)
{
    // The window already is where it was put: only the mark follows it.
    SetChecked(MenuOption::AlwaysOnTop, on);
}

} // namespace orr
