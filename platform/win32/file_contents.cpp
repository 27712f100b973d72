// Whole-file read and crash-safe replace on Windows (temporary file, flush, MoveFileExW).
#include "platform/file_contents.h"

#include <windows.h>
#include <vector>

#include "platform/temporary_name.h"
#include "platform/win32/file_io.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {

namespace {

constexpr DWORD kHeldRetryMs = 10;
// A writer of ours holds the settings file only while it writes it.
constexpr int kHeldRetries = 100;

} // namespace

FileRead read_file(const std::string& path, std::size_t max_bytes)
{
    FileRead result;
    FileHandle file;
    for (int attempt = 0; !file.valid(); ++attempt) {
        file = FileHandle(CreateFileW(wide_path(path).c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid())
            break;
        const DWORD code = GetLastError();
        if (held_elsewhere(code) && attempt < kHeldRetries) {
            Sleep(kHeldRetryMs);
            continue;
        }
        result.status = (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? ReadStatus::Missing
                                                                                       : ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Failed;
    // A pipe or a device may never end a read: only a file on disk is read.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return result;
    std::string& bytes = result.bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0 &&
        static_cast<unsigned long long>(size.QuadPart) <= max_bytes) {
        bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
            bytes.clear();
            return result;
        }
        if (got == 0)
            break;
        if (got > max_bytes - bytes.size()) {
            bytes.clear();
            bytes.shrink_to_fit();
            result.status = ReadStatus::TooLarge;
            return result;
        }
        bytes.append(chunk.data(), got);
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool replace_file(const std::string& path, const std::string& bytes)
{
    const std::wstring target = wide_path(path);
    const DWORD old_attributes = GetFileAttributesW(target.c_str());
    const bool existed = old_attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (old_attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        return false;

    std::wstring temp;
    FileHandle file;
    for (int attempt = 0; attempt < 100 && !file.valid(); ++attempt) {
        temp = wide_path(next_temporary_name(path));
        file = FileHandle(
            CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid() && GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    if (!file.valid())
        return false;

    bool ok = write_all(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
    ok = file.close() && ok;
    ok = ok &&
         MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        DeleteFileW(temp.c_str());
        return false;
    }
    // The new file is a fresh one: give it the hidden, system and archive bits the old one had.
    constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    if (existed && (old_attributes & kKept) != 0)
        SetFileAttributesW(target.c_str(), old_attributes & kKept);
    return true;
}

} // namespace orr::platform
