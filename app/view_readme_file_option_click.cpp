// Help > View Readme file: the readme beside the executable, in the text editor.
#include "app/main_form.h"

namespace orr {

void MainForm::View_Readme_file_OptionClick() { document_viewer.Show_Readme_File(); }

} // namespace orr
