// Whole-file read and crash-safe replace on Windows (temporary file, flush, MoveFileExA).
#include "platform/file_contents.h"

#include <atomic>
#include <windows.h>

namespace orr::platform {

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool close() {
        if (!valid()) return true;
        const BOOL ok = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return ok != 0;
    }

private:
    HANDLE handle_;
};

bool write_all(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t left = bytes.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

} // namespace

FileRead read_file(const std::string& path) {
    FileRead result;
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD code = GetLastError();
        result.status = (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? ReadStatus::Missing
                                                                                        : ReadStatus::Failed;
        return result;
    }
    result.status = ReadStatus::Failed;
    std::string& bytes = result.bytes;
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr)) {
            bytes.clear();
            return result;
        }
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    result.status = ReadStatus::Ok;
    return result;
}

bool replace_file(const std::string& path, const std::string& bytes) {
    const DWORD old_attributes = GetFileAttributesA(path.c_str());
    const bool existed = old_attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (old_attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) return false;

    static std::atomic<unsigned> counter{0};
    std::string temp;
    HANDLE raw = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && raw == INVALID_HANDLE_VALUE; ++attempt) {
        temp = path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++) + ".tmp";
        raw = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (raw == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    if (raw == INVALID_HANDLE_VALUE) return false;

    Handle file(raw);
    bool ok = write_all(file.get(), bytes) && FlushFileBuffers(file.get()) != 0;
    ok = file.close() && ok;
    ok = ok && MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        DeleteFileA(temp.c_str());
        return false;
    }
    // The new file is a fresh one: give it the hidden, system and archive bits the old one had.
    if (existed && (old_attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE)) != 0) {
        SetFileAttributesA(path.c_str(), old_attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                           FILE_ATTRIBUTE_ARCHIVE));
    }
    return true;
}

} // namespace orr::platform
