// Help > View Shareware Catalog: the catalogue's box names the product as the About
// window's ProductName label shows it at this moment.
#include "app/main_form.h"

namespace orr {

void MainForm::View_Shareware_Catalog_OptionClick()
{
    document_viewer.Show_Catalog_File(view_.AboutProductName());
}

} // namespace orr
