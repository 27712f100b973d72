// The text editor on Windows: Notepad in the Windows directory, started as WinExec would,
// but on a wide command line so that any folder name reaches it.
#include "platform/text_editor.h"

#include <windows.h>

#include "core/win32/handles.h"
#include "platform/file_exists.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {
namespace {

constexpr const char* kNotepadFile = "\\Notepad.EXE";

// The Windows directory at whatever length the system reports it; "" when it fails.
std::string windows_directory()
{
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        // Too small: the answer is the size needed, its NUL included.
        folder.resize(length);
        length = GetWindowsDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
        if (length >= folder.size())
            return {};
    }
    return to_utf8(std::wstring_view(folder.data(), length));
}

} // namespace

bool text_editor_found()
{
    const std::string folder = windows_directory();
    return !folder.empty() && file_exists(folder + kNotepadFile);
}

void start_text_editor(const std::string& document)
{
    std::wstring command = to_wide(notepad_command_line(document));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    // Not waited for and not examined: a failed start has no box.
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &started)) {
        const win32::KernelHandle process(started.hProcess);
        const win32::KernelHandle thread(started.hThread);
    }
}

} // namespace orr::platform
