// The registry store on Windows: advapi32's wide key functions, each key handle owned by
// the object that opened it and closed with it. Names and strings are UTF-8 on this side
// of the store and UTF-16 in the registry, so a value holds any path the system can.
#include "platform/registry_store.h"

#include <windows.h>
#include <utility>
#include <vector>

#include "core/win32/handles.h"
#include "platform/win32/wide_text.h"

namespace orr::platform {
namespace {

HKEY root_handle(RootKey root)
{
    switch (root) {
    case RootKey::CurrentUser: return HKEY_CURRENT_USER;
    case RootKey::LocalMachine: return HKEY_LOCAL_MACHINE;
    }
    return HKEY_LOCAL_MACHINE;
}

using win32::KeyHandle;

bool is_string(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

// A string value's UTF-16 as UTF-8, any NULs in it kept.
std::string utf8_bytes(const std::vector<BYTE>& data, DWORD size)
{
    return to_utf8(std::wstring_view(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t)));
}

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(KeyHandle key) : key_(std::move(key)) {}

    std::optional<ValueInfo> query(const std::string& name) override
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(key_.get(), to_wide(name).c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        return ValueInfo{type, size};
    }

    std::optional<ValueData> fetch(const std::string& name, std::uint32_t size) override
    {
        std::vector<BYTE> buffer(size);
        DWORD type = 0;
        DWORD got = size;
        if (RegQueryValueExW(key_.get(), to_wide(name).c_str(), nullptr, &type, buffer.data(), &got) !=
            ERROR_SUCCESS)
            return std::nullopt;
        if (is_string(type))
            return ValueData{type, utf8_bytes(buffer, got)};
        return ValueData{type, std::string(reinterpret_cast<const char*>(buffer.data()), got)};
    }

    bool set_string(const std::string& name, const std::string& data) override
    {
        const std::wstring text = to_wide(data);
        // Text that is not UTF-8 would be stored as something else.
        if (text.empty() != data.empty())
            return false;
        // c_str() ends in the one NUL that the stored size counts.
        const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        return RegSetValueExW(key_.get(), to_wide(name).c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()), size) == ERROR_SUCCESS;
    }

    bool delete_value(const std::string& name) override
    {
        return RegDeleteValueW(key_.get(), to_wide(name).c_str()) == ERROR_SUCCESS;
    }

private:
    KeyHandle key_;
};

class Win32Registry : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> open(RootKey root, const std::string& path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root_handle(root), to_wide(path).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
            return nullptr;
        KeyHandle handle(key);
        return std::make_unique<Win32Key>(std::move(handle));
    }
};

} // namespace

RegistryStore& system_registry()
{
    static Win32Registry registry;
    return registry;
}

} // namespace orr::platform
