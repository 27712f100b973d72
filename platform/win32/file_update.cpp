// A held read-modify-write on Windows: the file is opened with no sharing for the whole
// update; the new bytes go through a temporary file and MoveFileExW, or into the file
// itself where the folder takes no new file or the file has other hard links.
#include "platform/file_update.h"

#include <windows.h>
#include <string_view>
#include <vector>

#include "platform/file_update_state.h"
#include "platform/win32/file_io.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {

namespace {

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool name_taken(DWORD code) { return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS; }

class Win32Update final : public FileUpdate::State {
    Hold hold() override;
    std::optional<std::uint64_t> opened_size() override;
    std::optional<std::size_t> read_some(char* into, std::size_t size) override;
    bool has_other_links() override;
    Written replace_beside(const std::string& new_bytes) override;
    bool rewrite_in_place(const std::string& new_bytes) override;
    void close(bool remove_if_empty) override;

    FileHandle file;
    DWORD attributes = 0;
    std::wstring wide; // the path as the calls take it
};

} // namespace

std::unique_ptr<FileUpdate::State> new_update_state() { return std::make_unique<Win32Update>(); }

// Windows has no file-size signal: a write past any limit fails by itself.
void report_file_size_limit_as_write_error() {}

std::string update_target(const std::string& path)
{
    // A symbolic link keeps pointing where it pointed: the file it leads to is the one
    // replaced. Opening follows links; the handle names the file reached.
    const FileHandle file(CreateFileW(wide_path(path).c_str(), 0,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return path;
    std::vector<wchar_t> name(MAX_PATH);
    DWORD length = GetFinalPathNameByHandleW(file.get(), name.data(), static_cast<DWORD>(name.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= name.size()) {
        name.resize(length + 1);
        length = GetFinalPathNameByHandleW(file.get(), name.data(), static_cast<DWORD>(name.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= name.size())
        return path;
    std::string reached = to_utf8(std::wstring_view(name.data(), length));
    if (reached.empty())
        return path;
    constexpr std::string_view kLong = "\\\\?\\";
    constexpr std::string_view kLongUnc = "\\\\?\\UNC\\";
    if (reached.starts_with(kLongUnc))
        return "\\\\" + reached.substr(kLongUnc.size());
    if (reached.starts_with(kLong))
        return reached.substr(kLong.size());
    return reached;
}

Hold Win32Update::hold()
{
    wide = wide_path(path);
    attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return Hold::Failed;
    }
    file = FileHandle(CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return held_elsewhere(GetLastError()) ? Hold::Held : Hold::Failed;
    created = GetLastError() != ERROR_ALREADY_EXISTS;
    if (created)
        attributes = 0;
    return GetFileType(file.get()) == FILE_TYPE_DISK ? Hold::Ready : Hold::Failed;
}

std::optional<std::uint64_t> Win32Update::opened_size()
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::optional<std::size_t> Win32Update::read_some(char* into, std::size_t size)
{
    DWORD got = 0;
    if (!ReadFile(file.get(), into, static_cast<DWORD>(size), &got, nullptr))
        return std::nullopt;
    return got;
}

bool Win32Update::has_other_links()
{
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file.get(), &info) && info.nNumberOfLinks > 1;
}

Written Win32Update::replace_beside(const std::string& new_bytes)
{
    std::wstring temp;
    FileHandle out;
    const Written made = make_temporary(path, [&](const std::string& name) -> std::optional<Written> {
        const std::wstring wide_name = wide_path(name);
        out = FileHandle(CreateFileW(wide_name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        if (out.valid()) {
            temp = wide_name;
            return Written::Done;
        }
        const DWORD code = GetLastError();
        if (name_taken(code))
            return std::nullopt;
        return code == ERROR_ACCESS_DENIED ? Written::Refused : Written::Failed;
    });
    if (made != Written::Done)
        return made;

    bool ok = write_all(out.get(), new_bytes) && FlushFileBuffers(out.get()) != 0;
    ok = out.close() && ok;
    // Windows renames over no open file, so the hold ends just before the rename.
    file.close();
    ok = ok &&
         MoveFileExW(temp.c_str(), wide.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        DeleteFileW(temp.c_str());
        return Written::Failed;
    }
    // The new file is a fresh one: it gets the hidden, system and archive bits of the old.
    if ((attributes & kKeptAttributes) != 0)
        SetFileAttributesW(wide.c_str(), attributes & kKeptAttributes);
    return Written::Done;
}

bool Win32Update::rewrite_in_place(const std::string& new_bytes)
{
    LARGE_INTEGER start{};
    return SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) && write_all(file.get(), new_bytes) &&
           SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
}

void Win32Update::close(bool remove_if_empty)
{
    file.close();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (remove_if_empty && GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data) &&
        data.nFileSizeHigh == 0 && data.nFileSizeLow == 0) {
        DeleteFileW(wide.c_str());
    }
}

} // namespace orr::platform
