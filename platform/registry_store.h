// The registry as the program uses it: open an existing key with full access (never
// create it), query a value's type and size, fetch its data, set a string, delete a
// value. A key is closed when its object goes. Windows: the real registry; Linux: the
// Run key is the user's autostart folder, a value a desktop entry in it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace orr::platform {

// Predefined root keys, numbered as the registry numbers them.
enum class RootKey : std::uint32_t {
    CurrentUser = 0x80000001,
    LocalMachine = 0x80000002,
};

// Value types, numbered as the registry numbers them.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// The machine-wide key of the programs started at login, as a path from the root; a
// store is handed it without the leading backslash.
inline constexpr const char* kRunKeyPath = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct ValueInfo {
    std::uint32_t type = kRegNone;
    std::uint32_t size = 0; // bytes, a string's terminating NUL included
};

struct ValueData {
    std::uint32_t type = kRegNone;
    std::string bytes;
};

class RegistryKey {
public:
    virtual ~RegistryKey() = default;
    // Type and size of a value; nothing when the query fails (no such value).
    virtual std::optional<ValueInfo> query(const std::string& name) = 0;
    // The value's data when it fits in size bytes; nothing when the fetch fails.
    virtual std::optional<ValueData> fetch(const std::string& name, std::uint32_t size) = 0;
    // Stores data as a string value: its bytes and one terminating NUL.
    virtual bool set_string(const std::string& name, const std::string& data) = 0;
    virtual bool delete_value(const std::string& name) = 0;
};

class RegistryStore {
public:
    virtual ~RegistryStore() = default;
    // The existing key at path (no leading backslash) under root, opened with full
    // access; nothing when it is missing or full access is refused.
    virtual std::unique_ptr<RegistryKey> open(RootKey root, const std::string& path) = 0;
};

// The system's registry (the autostart folder on Linux).
RegistryStore& system_registry();

} // namespace orr::platform
