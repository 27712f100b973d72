// The registry value operations over a store. Whether a write or a delete worked is
// judged by what the key holds afterwards, not by the result of the change itself.
#include "desktop/registry_access.h"

#include <memory>

#include "core/dialogs.h"
#include "desktop/registry_boxes.h"
#include "desktop/registry_error.h"

namespace orr {
namespace {

using platform::RegistryKey;
using platform::RegistryStore;
using platform::RootKey;

// A leading backslash marks a path from the root, where every open starts anyway.
std::unique_ptr<RegistryKey> open_key(RegistryStore& store, RootKey root, const std::string& key_path)
{
    const bool rooted = !key_path.empty() && key_path.front() == '\\';
    return store.open(root, rooted ? key_path.substr(1) : key_path);
}

// The key exists when it opens with full access; that handle is closed at once.
bool key_exists(RegistryStore& store, RootKey root, const std::string& key_path)
{
    return open_key(store, root, key_path) != nullptr;
}

std::string read_value(RegistryKey& key, const std::string& name)
{
    const auto info = key.query(name);
    if (!info || info->size == 0)
        return {};
    const auto fetched = key.fetch(name, info->size);
    if (!fetched)
        throw ERegistryException(kGetDataMessage, name);
    if (fetched->type != platform::kRegSz && fetched->type != platform::kRegExpandSz)
        throw ERegistryException(kDataTypeMessage, name);
    const std::string& bytes = fetched->bytes;
    return bytes.substr(0, bytes.find('\0'));
}

} // namespace

bool Write_Registry_String(RegistryStore& store, RootKey root, std::string key_path, std::string name,
                           std::string data)
{
    if (!key_exists(store, root, key_path)) {
        show_error(key_missing_write_text(key_path, name, data));
        return false;
    }
    std::string stored;
    {
        const auto key = open_key(store, root, key_path);
        // Gone since the test: the same outcome as a store that failed.
        if (!key || !key->set_string(name, data))
            throw ERegistryException(kSetDataMessage, name);
        stored = read_value(*key, name);
    }
    if (stored != data) {
        show_error(not_saved_text(key_path, name, data));
        return false;
    }
    return true;
}

bool Delete_Registry_Value(RegistryStore& store, RootKey root, std::string key_path, std::string name)
{
    if (!key_exists(store, root, key_path)) {
        show_error(key_missing_delete_text(key_path, name));
        return false;
    }
    bool still_there = false;
    {
        const auto key = open_key(store, root, key_path);
        if (key) {
            key->delete_value(name); // judged by the test below
            still_there = key->query(name).has_value();
        }
    }
    if (still_there) {
        show_error(not_removed_text(key_path, name));
        return false;
    }
    return true;
}

std::string Read_Registry_String(RegistryStore& store, RootKey root, std::string key_path, std::string name)
{
    if (!key_exists(store, root, key_path))
        return {};
    const auto key = open_key(store, root, key_path);
    return key ? read_value(*key, name) : std::string();
}

} // namespace orr
