// The text editor on Windows: Notepad in the Windows directory, started by WinExec.
#include "platform/text_editor.h"

#include <windows.h>

#include "platform/file_exists.h"

namespace orr::platform {
namespace {

constexpr const char* kNotepadFile = "\\Notepad.EXE";

// The Windows directory at whatever length the system reports it; "" when it fails.
std::string windows_directory()
{
    std::string folder(MAX_PATH, '\0');
    UINT length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        // Too small: the answer is the size needed, its NUL included.
        folder.resize(length);
        length = GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size()));
        if (length >= folder.size())
            return {};
    }
    folder.resize(length);
    return folder;
}

} // namespace

bool text_editor_found()
{
    const std::string folder = windows_directory();
    return !folder.empty() && file_exists(folder + kNotepadFile);
}

void start_text_editor(const std::string& document)
{
    // Not waited for and not examined: a failed start has no box.
    WinExec(notepad_command_line(document).c_str(), SW_SHOWNORMAL);
}

} // namespace orr::platform
