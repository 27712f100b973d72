// A registry in memory for tests: keys exist only when a test makes them, names ignore
// letter case as the registry's do, and every open key is counted so that a test can see
// that none outlives an operation. Faults can be switched on per key.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/registry_store.h"

namespace orr::test {

class MemoryRegistry : public platform::RegistryStore {
public:
    struct Key {
        std::map<std::string, platform::ValueData> values; // by lower-cased name
        bool refuse_full_access = false;
        bool fail_set = false;
        bool fail_fetch = false;
        bool keep_on_delete = false; // the delete reports success, the value stays
    };

    Key& make_key(platform::RootKey root, const std::string& path) { return keys_[{root, lower(path)}]; }
    Key* find_key(platform::RootKey root, const std::string& path)
    {
        const auto found = keys_.find({root, lower(path)});
        return found == keys_.end() ? nullptr : &found->second;
    }
    std::size_t key_count() const { return keys_.size(); }

    static void put(Key& key, const std::string& name, std::uint32_t type, std::string bytes)
    {
        key.values[lower(name)] = {type, std::move(bytes)};
    }
    static const platform::ValueData* get(const Key& key, const std::string& name)
    {
        const auto found = key.values.find(lower(name));
        return found == key.values.end() ? nullptr : &found->second;
    }

    int opened = 0;   // successful opens so far
    int open_now = 0; // keys not yet closed

    std::unique_ptr<platform::RegistryKey> open(platform::RootKey root, const std::string& path) override
    {
        Key* key = find_key(root, path);
        if (!key || key->refuse_full_access)
            return nullptr;
        ++opened;
        return std::make_unique<OpenKey>(*key, open_now);
    }

private:
    class OpenKey : public platform::RegistryKey {
    public:
        OpenKey(Key& key, int& open_now) : key_(key), open_now_(open_now) { ++open_now_; }
        ~OpenKey() override { --open_now_; }

        std::optional<platform::ValueInfo> query(const std::string& name) override
        {
            const auto* value = get(key_, name);
            if (!value)
                return std::nullopt;
            return platform::ValueInfo{value->type, static_cast<std::uint32_t>(value->bytes.size())};
        }
        std::optional<platform::ValueData> fetch(const std::string& name, std::uint32_t size) override
        {
            const auto* value = get(key_, name);
            if (!value || key_.fail_fetch || value->bytes.size() > size)
                return std::nullopt;
            return *value;
        }
        bool set_string(const std::string& name, const std::string& data) override
        {
            if (key_.fail_set)
                return false;
            put(key_, name, platform::kRegSz, data + '\0');
            return true;
        }
        bool delete_value(const std::string& name) override
        {
            if (!key_.keep_on_delete)
                key_.values.erase(lower(name));
            return true;
        }

    private:
        Key& key_;
        int& open_now_;
    };

    static std::string lower(std::string text)
    {
        std::ranges::transform(text, text.begin(), [](char c) {
            return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        });
        return text;
    }

    std::map<std::pair<platform::RootKey, std::string>, Key> keys_;
};

} // namespace orr::test
