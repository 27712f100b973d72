// Notepad's command line, built to the document's length: no path is ever cut.
#include "platform/text_editor.h"

namespace orr::platform {

namespace {
constexpr const char* kNotepadCommand = "Notepad.exe ";
}

std::string notepad_command_line(const std::string& document) { return kNotepadCommand + document; }

} // namespace orr::platform
