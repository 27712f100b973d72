// String values under one registry key: write and prove it was stored, delete and prove
// it is gone, read. Keys are never created; each call opens and closes its own key. The
// write and the delete report their failures in error boxes and return false.
#pragma once

#include <string>

#include "platform/registry_store.h"

namespace orr {

bool Write_Registry_String(platform::RegistryStore& store, platform::RootKey root, std::string key_path,
                           std::string name, std::string data);
bool Delete_Registry_Value(platform::RegistryStore& store, platform::RootKey root, std::string key_path,
                           std::string name);
// The value's text; empty when the key or the value is missing or the value is empty.
std::string Read_Registry_String(platform::RegistryStore& store, platform::RootKey root, std::string key_path,
                                 std::string name);

} // namespace orr
