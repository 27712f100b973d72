// The two documents that ship beside the executable, opened in the desktop's text
// editor: the readme, named after the executable, and the product catalogue, which is
// looked for before the editor is. The checks, boxes and their order live here.
#pragma once

#include <functional>
#include <string>

namespace orr {

inline constexpr const char* kCatalogFileName = "catalog.txt";
inline constexpr const char* kEditorMissingText = "Windows Notepad could not be found.";

// What the viewer asks of the system, replaceable in tests.
struct DocumentSystem {
    std::function<std::string()> executable_folder; // ends in its separator
    std::function<std::string()> executable_file_name;
    std::function<bool(const std::string&)> file_exists;
    std::function<bool()> editor_found;
    std::function<void(const std::string&)> start_editor;
};
DocumentSystem system_documents();

class DocumentViewer {
public:
    // The running executable and the system's editor.
    DocumentViewer();
    explicit DocumentViewer(DocumentSystem system);

    // Starts the editor on the document, or tells the user that it is missing.
    void Open_In_Notepad(const std::string& document) const;
    // The readme is opened whether it exists or not.
    void Show_Readme_File() const;
    // The catalogue only when it is there; the box names the product otherwise.
    void Show_Catalog_File(const std::string& product_title) const;

private:
    DocumentSystem system_;
};

// The readme beside an executable: its name cut before the first ".", then ".txt".
std::string readme_file_name(const std::string& executable_file_name);

// The one line of the box for a missing catalogue.
std::string catalog_missing_text(const std::string& product_title);

} // namespace orr
