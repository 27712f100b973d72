// Starting the desktop's text editor on a document: Windows Notepad, or on Linux the
// desktop's opener xdg-open standing in for it. Started on its own, never waited for,
// never through a shell command line.
#pragma once

#include <string>

namespace orr::platform {

// Whether the editor is there: "Notepad.EXE" in the Windows directory (a file, not a
// folder); on Linux an executable xdg-open on PATH.
bool text_editor_found();

// Starts the editor on the document, shown normally. A failed start goes unreported.
void start_text_editor(const std::string& document);

// Notepad's command line: its file name, one space, then the document's path unquoted,
// so the system's search for executables decides which copy runs. Any length.
std::string notepad_command_line(const std::string& document);

} // namespace orr::platform
