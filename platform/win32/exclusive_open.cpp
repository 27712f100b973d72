// Exclusive-open test on Windows: OpenFile with exclusive sharing, critical-error
// dialogs switched off for the attempt. OpenFile takes ANSI names of up to 128 bytes;
// any other name goes through CreateFileW with no sharing, which fails with the same codes.
#include "platform/exclusive_open.h"

#include <windows.h>

#include "core/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {

namespace {

constexpr std::size_t kOpenFileNameLimit = OFS_MAXPATHNAME;

OpenTest open_with_open_file(const std::string& path)
{
    OFSTRUCT details{};
    details.cBytes = sizeof details;
    const HFILE file = OpenFile(path.c_str(), &details, OF_READWRITE | OF_SHARE_EXCLUSIVE);
    if (file == HFILE_ERROR) {
        const DWORD code = details.nErrCode != 0 ? details.nErrCode : GetLastError();
        return classify_windows_open_error(code);
    }
    const win32::FileHandle opened(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(file)));
    return OpenTest::Closed;
}

OpenTest open_with_create_file(const std::string& path)
{
    const win32::FileHandle file(CreateFileW(wide_path(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return classify_windows_open_error(GetLastError());
    return OpenTest::Closed;
}

} // namespace

OpenTest test_exclusive_open(const std::string& path)
{
    const UINT previous_mode = SetErrorMode(SEM_FAILCRITICALERRORS);
    // A best-fit look-alike in the ANSI name would test another file.
    const std::optional<std::string> ansi = ansi_path(path);
    const OpenTest result = ansi && ansi->size() < kOpenFileNameLimit ? open_with_open_file(*ansi)
                                                                      : open_with_create_file(path);
    SetErrorMode(previous_mode);
    return result;
}

} // namespace orr::platform
