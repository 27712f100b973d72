// The main window's small handlers: the exit commands and the About window.
#include "app/main_form.h"

namespace orr {

MainForm::MainForm(MainFormView& view) : view_(view) {}

void MainForm::ExitOptionClick() { view_.Close(); }

void MainForm::Exit_BitBtnClick() { view_.Close(); }

void MainForm::AboutOptionClick() { view_.ShowAbout(); }

void MainForm::FormResize() { Scale_Layout(); }

} // namespace orr
