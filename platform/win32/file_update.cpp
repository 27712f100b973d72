// A held read-modify-write on Windows: the file is opened with no sharing for the whole
// update; the new bytes go through a temporary file and MoveFileExA, or into the file
// itself where the folder takes no new file or the file has other hard links.
#include "platform/file_update.h"

#include <windows.h>
#include <string_view>
#include <vector>

#include "platform/temporary_name.h"
#include "platform/win32/file_io.h"

namespace orr::platform {

namespace {

constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
constexpr DWORD kLockRetryMs = 10;
constexpr int kMaxNameAttempts = 100;
constexpr std::size_t kReadChunk = 65536;

using Clock = std::chrono::steady_clock;

enum class Written { Done, Refused, Failed };

bool name_taken(DWORD code) { return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS; }

} // namespace

struct FileUpdate::State {
    std::string path;
    FileHandle file;
    DWORD attributes = 0;
    bool created = false;
    bool ready = false;
    std::string bytes;

    bool open(std::chrono::milliseconds lock_wait);
    bool read(std::size_t max_bytes);
    Written replace_beside(const std::string& new_bytes);
    bool rewrite_in_place(const std::string& new_bytes);
    void let_go();
};

// Windows has no file-size signal: a write past any limit fails by itself.
void report_file_size_limit_as_write_error() {}

std::string update_target(const std::string& path)
{
    // A symbolic link keeps pointing where it pointed: the file it leads to is the one
    // replaced. Opening follows links; the handle names the file reached.
    const FileHandle file(CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file.valid())
        return path;
    std::vector<char> name(MAX_PATH);
    DWORD length = GetFinalPathNameByHandleA(file.get(), name.data(), static_cast<DWORD>(name.size()),
                                             FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length >= name.size()) {
        name.resize(length + 1);
        length = GetFinalPathNameByHandleA(file.get(), name.data(), static_cast<DWORD>(name.size()),
                                           FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    }
    if (length == 0 || length >= name.size())
        return path;
    std::string reached(name.data(), length);
    constexpr std::string_view kLong = "\\\\?\\";
    constexpr std::string_view kLongUnc = "\\\\?\\UNC\\";
    if (reached.starts_with(kLongUnc))
        return "\\\\" + reached.substr(kLongUnc.size());
    if (reached.starts_with(kLong))
        return reached.substr(kLong.size());
    return reached;
}

bool FileUpdate::State::open(std::chrono::milliseconds lock_wait)
{
    attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    const auto deadline = Clock::now() + lock_wait;
    for (;;) {
        file = FileHandle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid())
            break;
        if (!held_elsewhere(GetLastError()) || Clock::now() >= deadline)
            return false;
        Sleep(kLockRetryMs);
    }
    created = GetLastError() != ERROR_ALREADY_EXISTS;
    if (created)
        attributes = 0;
    return GetFileType(file.get()) == FILE_TYPE_DISK;
}

bool FileUpdate::State::read(std::size_t max_bytes)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || static_cast<unsigned long long>(size.QuadPart) > max_bytes)
        return false;
    std::vector<char> chunk(kReadChunk);
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr))
            return false;
        if (got == 0)
            return true;
        bytes.append(chunk.data(), got);
        if (bytes.size() > max_bytes)
            return false;
    }
}

Written FileUpdate::State::replace_beside(const std::string& new_bytes)
{
    std::string temp;
    FileHandle out;
    for (int attempt = 0; attempt < kMaxNameAttempts && !out.valid(); ++attempt) {
        temp = next_temporary_name(path);
        out = FileHandle(
            CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (out.valid())
            break;
        const DWORD code = GetLastError();
        if (!name_taken(code))
            return code == ERROR_ACCESS_DENIED ? Written::Refused : Written::Failed;
    }
    if (!out.valid())
        return Written::Failed;

    bool ok = write_all(out.get(), new_bytes) && FlushFileBuffers(out.get()) != 0;
    ok = out.close() && ok;
    // Windows renames over no open file, so the hold ends just before the rename.
    file.close();
    ok = ok &&
         MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!ok) {
        DeleteFileA(temp.c_str());
        return Written::Failed;
    }
    // The new file is a fresh one: it gets the hidden, system and archive bits of the old.
    if ((attributes & kKeptAttributes) != 0)
        SetFileAttributesA(path.c_str(), attributes & kKeptAttributes);
    return Written::Done;
}

bool FileUpdate::State::rewrite_in_place(const std::string& new_bytes)
{
    LARGE_INTEGER start{};
    return SetFilePointerEx(file.get(), start, nullptr, FILE_BEGIN) && write_all(file.get(), new_bytes) &&
           SetEndOfFile(file.get()) && FlushFileBuffers(file.get());
}

void FileUpdate::State::let_go()
{
    file.close();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (created && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) &&
        data.nFileSizeHigh == 0 && data.nFileSizeLow == 0) {
        DeleteFileA(path.c_str());
    }
    created = false;
    ready = false;
}

FileUpdate::FileUpdate(const std::string& path, std::size_t max_bytes, std::chrono::milliseconds lock_wait)
    : state_(std::make_unique<State>())
{
    State& s = *state_;
    s.path = update_target(path);
    s.ready = s.open(lock_wait) && s.read(max_bytes);
    if (!s.ready)
        s.let_go();
}

FileUpdate::~FileUpdate() { state_->let_go(); }

bool FileUpdate::ready() const { return state_->ready; }

const std::string& FileUpdate::bytes() const { return state_->bytes; }

bool FileUpdate::commit(const std::string& new_bytes)
{
    State& s = *state_;
    if (!s.ready)
        return false;
    bool ok = true;
    if (new_bytes != s.bytes) {
        BY_HANDLE_FILE_INFORMATION info{};
        const bool linked = GetFileInformationByHandle(s.file.get(), &info) && info.nNumberOfLinks > 1;
        // A rename would leave the other hard links with the old bytes.
        Written written = linked ? Written::Refused : s.replace_beside(new_bytes);
        if (written == Written::Refused)
            written = s.rewrite_in_place(new_bytes) ? Written::Done : Written::Failed;
        ok = written == Written::Done;
        if (ok)
            s.created = false;
    }
    s.let_go();
    return ok;
}

} // namespace orr::platform
