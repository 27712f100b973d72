// Opening the readme and the catalogue: which name, which check first, which box.
#include "desktop/document_viewer.h"

#include "core/dialogs.h"
#include "platform/executable_path.h"
#include "platform/file_exists.h"
#include "platform/text_editor.h"

namespace orr {
namespace {

constexpr const char* kReadmeExtension = ".txt";

} // namespace

DocumentSystem system_documents()
{
    return {platform::executable_folder, platform::executable_file_name, platform::file_exists,
            platform::text_editor_found, platform::start_text_editor};
}

DocumentViewer::DocumentViewer() : DocumentViewer(system_documents()) {}

DocumentViewer::DocumentViewer(DocumentSystem system) : system_(std::move(system)) {}

void DocumentViewer::Open_In_Notepad(const std::string& document) const
{
    if (!system_.editor_found()) {
        show_information(kEditorMissingText);
        return;
    }
    system_.start_editor(document);
}

void DocumentViewer::Show_Readme_File() const
{
    Open_In_Notepad(system_.executable_folder() + readme_file_name(system_.executable_file_name()));
}

void DocumentViewer::Show_Catalog_File(const std::string& product_title) const
{
    const std::string catalog = system_.executable_folder() + kCatalogFileName;
    if (system_.file_exists(catalog))
        Open_In_Notepad(catalog);
    else
        show_information(catalog_missing_text(product_title));
}

std::string readme_file_name(const std::string& executable_file_name)
{
    return executable_file_name.substr(0, executable_file_name.find('.')) + kReadmeExtension;
}

std::string catalog_missing_text(const std::string& product_title)
{
    // Two spaces follow each full stop, as the wording has them.
    return "Vintrel's Shareware Catalog is not in the same directory as " + product_title + ".  " +
           "The required file 'catalog.txt' was included in the " +
           "distribution ZIP file.  Please unzip this file and try again.";
}

} // namespace orr
