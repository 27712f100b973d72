// The text editor on Linux: the desktop's opener on the document.
#include "platform/text_editor.h"

#include "platform/posix/desktop_opener.h"

namespace orr::platform {

bool text_editor_found() { return desktop_opener_found(); }

void start_text_editor(const std::string& document) { start_desktop_opener(document); }

} // namespace orr::platform
