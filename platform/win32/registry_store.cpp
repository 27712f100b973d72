// The registry store on Windows: advapi32's key functions, each key handle owned by
// the object that opened it and closed with it.
#include "platform/registry_store.h"

#include <windows.h>
#include <utility>
#include <vector>

#include "core/win32/handles.h"

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

class Win32Key : public RegistryKey {
public:
    explicit Win32Key(KeyHandle key) : key_(std::move(key)) {}

    std::optional<ValueInfo> query(const std::string& name) override
    {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return ValueInfo{type, size};
    }

    std::optional<ValueData> fetch(const std::string& name, std::uint32_t size) override
    {
        std::vector<BYTE> buffer(size);
        DWORD type = 0;
        DWORD got = size;
        if (RegQueryValueExA(key_.get(), name.c_str(), nullptr, &type, buffer.data(), &got) != ERROR_SUCCESS)
            return std::nullopt;
        return ValueData{type, std::string(reinterpret_cast<const char*>(buffer.data()), got)};
    }

    bool set_string(const std::string& name, const std::string& data) override
    {
        // c_str() ends in the one NUL that the stored size counts.
        const auto size = static_cast<DWORD>(data.size() + 1);
        return RegSetValueExA(key_.get(), name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(data.c_str()), size) == ERROR_SUCCESS;
    }

    bool delete_value(const std::string& name) override
    {
        return RegDeleteValueA(key_.get(), name.c_str()) == ERROR_SUCCESS;
    }

private:
    KeyHandle key_;
};

class Win32Registry : public RegistryStore {
public:
    std::unique_ptr<RegistryKey> open(RootKey root, const std::string& path) override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(root_handle(root), path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
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
