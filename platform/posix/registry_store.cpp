// The registry store on Linux: the Run key is the user's freedesktop autostart folder
// ($XDG_CONFIG_HOME/autostart, by default ~/.config/autostart) and a value named N is the
// desktop entry N.desktop in it, its data the program that entry starts.
#include "platform/registry_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "core/product.h"
#include "platform/autostart_entry.h"
#include "platform/file_contents.h"
#include "platform/posix/file_io.h"

namespace orr::platform {
namespace {

constexpr const char* kAutostartFolder = "/autostart";
constexpr const char* kEntrySuffix = ".desktop";
// The base directory rules ask for this mode on folders they create.
constexpr mode_t kFolderMode = 0700;

bool same_key_path(std::string_view a, std::string_view b)
{
    // Registry key names ignore letter case.
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string config_home()
{
    // A relative XDG_CONFIG_HOME is invalid and is ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return home && home[0] != '\0' ? std::string(home) + "/.config" : std::string();
}

bool is_writable_folder(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(path.c_str(), W_OK | X_OK) == 0;
}

// The path itself when it is there, else the nearest folder above it that is; "" when
// something else than its absence stops the search.
std::string nearest_present(std::string path)
{
    struct stat info {};
    while (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT || path == "/" || path == ".")
            return {};
        path = folder_of(path);
    }
    return path;
}

// The folder and every missing one above it, each made private.
bool make_folders(const std::string& path)
{
    if (::mkdir(path.c_str(), kFolderMode) == 0 || errno == EEXIST)
        return true;
    const std::string parent = folder_of(path);
    return errno == ENOENT && parent != path && make_folders(parent) &&
           (::mkdir(path.c_str(), kFolderMode) == 0 || errno == EEXIST);
}

// What a file in the folder holds, seen as a registry value.
struct Snapshot {
    bool present = false;
    ValueData data;
};

class AutostartKey : public RegistryKey {
public:
    explicit AutostartKey(std::string folder) : folder_(std::move(folder)) {}

    std::optional<ValueInfo> query(const std::string& name) override
    {
        const Snapshot value = look(name);
        if (!value.present)
            return std::nullopt;
        return ValueInfo{value.data.type, static_cast<std::uint32_t>(value.data.bytes.size())};
    }

    std::optional<ValueData> fetch(const std::string& name, std::uint32_t size) override
    {
        Snapshot value = look(name);
        if (!value.present || value.data.bytes.size() > size)
            return std::nullopt;
        return std::move(value.data);
    }

    bool set_string(const std::string& name, const std::string& data) override
    {
        const auto path = entry_path(name);
        if (!path)
            return false;
        if (!make_folders(folder_))
            return false;
        const FileRead old = read_file(*path);
        if (old.status == ReadStatus::Failed)
            return false;
        std::optional<std::string_view> existing;
        if (old.status == ReadStatus::Ok)
            existing = old.bytes;
        // A string ends at its first NUL, as a REG_SZ reads back.
        const std::string program = data.substr(0, data.find('\0'));
        const auto text = autostart_entry_text(existing, program, kProductTitle);
        return text && replace_file(*path, *text);
    }

    bool delete_value(const std::string& name) override
    {
        const auto path = entry_path(name);
        return path && ::unlink(path->c_str()) == 0;
    }

private:
    // No file name can hold a '/' or NUL, and an empty name would make a hidden file.
    std::optional<std::string> entry_path(const std::string& name) const
    {
        if (name.empty() || name.find_first_of(std::string_view("/\0", 2)) != std::string::npos)
            return std::nullopt;
        return folder_ + "/" + name + kEntrySuffix;
    }

    Snapshot look(const std::string& name) const
    {
        const auto path = entry_path(name);
        if (!path)
            return {};
        const FileRead file = read_file(*path);
        if (file.status == ReadStatus::Missing)
            return {};
        const AutostartReading entry = read_autostart_entry(file.bytes);
        switch (entry.state) {
        case AutostartState::SwitchedOff: return {};
        case AutostartState::Starts: return {true, {kRegSz, entry.program + '\0'}};
        case AutostartState::NotAnEntry: break;
        }
        // A file that is there always has data, so that reading it meets the type check.
        return {true, {kRegBinary, file.bytes.empty() ? std::string(1, '\0') : file.bytes}};
    }

    std::string folder_;
};

class AutostartRegistry : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> open(RootKey, const std::string& path) override
    {
        if (!same_key_path(path, std::string_view(kRunKeyPath).substr(1)))
            return nullptr;
        const std::string config = config_home();
        if (config.empty())
            return nullptr;
        const std::string folder = config + kAutostartFolder;
        // Full access: the folder is writable, or it and the folders missing above it can be
        // made on the first write.
        if (!is_writable_folder(nearest_present(folder)))
            return nullptr;
        return std::make_unique<AutostartKey>(folder);
    }
};

} // namespace

RegistryStore& system_registry()
{
    static AutostartRegistry registry;
    return registry;
}

} // namespace orr::platform
