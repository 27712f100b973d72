// Help > View Shareware Catalog: the catalogue's box names the product as the titles
// last gave it to the About window's ProductName label.
#include "app/main_form.h"

namespace orr {

void MainForm::View_Shareware_Catalog_OptionClick()
{
    document_viewer.Show_Catalog_File(about_texts_.product_name);
}

} // namespace orr
