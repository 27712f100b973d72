// The main window's small handlers: the command dispatch, the exit commands and the
// About window.
#include "app/main_form.h"

#include "core/event_guard.h"

namespace orr {

MainForm::MainForm(MainFormView& view) : view_(view) {}

void MainForm::Run(mainform::Command command)
{
    using mainform::Command;
    using Handler = void (MainForm::*)();
    Handler handler = nullptr;
    switch (command) {
    case Command::AlwaysOnTop: handler = &MainForm::Always_On_Top_OptionClick; break;
    case Command::AutoRun: handler = &MainForm::Auto_Run_at_Windows_Startup_OptionClick; break;
    case Command::RestoreFactoryDefaults: handler = &MainForm::Restore_Factory_Defaults_OptionClick; break;
    case Command::PrintYear: handler = &MainForm::Print_Year_OptionClick; break;
    case Command::Exit: handler = &MainForm::ExitOptionClick; break;
    case Command::ViewReadme: handler = &MainForm::View_Readme_file_OptionClick; break;
    case Command::ViewCatalog: handler = &MainForm::View_Shareware_Catalog_OptionClick; break;
    case Command::About: handler = &MainForm::AboutOptionClick; break;
    case Command::LastYear: handler = &MainForm::Last_Year_SpeedButtonClick; break;
    case Command::NextYear: handler = &MainForm::Next_Year_SpeedButtonClick; break;
    case Command::CurrentYear: handler = &MainForm::Current_Year_BitBtnClick; break;
    case Command::ExitButton: handler = &MainForm::Exit_BitBtnClick; break;
    case Command::Clock: handler = &MainForm::Timer1Timer; break;
    case Command::None: return;
    }
    guarded([this, handler] { (this->*handler)(); });
}

void MainForm::ExitOptionClick() { view_.Close(); }

void MainForm::Exit_BitBtnClick() { view_.Close(); }

void MainForm::AboutOptionClick() { view_.ShowAbout(about_texts_); }

void MainForm::FormResize(int client_width, int client_height) { Scale_Layout(client_width, client_height); }

void MainForm::SetChecked(MenuOption option, bool checked)
{
    (option == MenuOption::AlwaysOnTop ? on_top_ : auto_run_) = checked;
    view_.SetChecked(option, checked);
}

} // namespace orr
