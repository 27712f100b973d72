// The texts of the four error boxes the registry value operations show, line for line.
#pragma once

#include <string>

namespace orr {

std::string key_missing_write_text(const std::string& key, const std::string& item, const std::string& value);
std::string not_saved_text(const std::string& key, const std::string& item, const std::string& value);
std::string key_missing_delete_text(const std::string& key, const std::string& item);
std::string not_removed_text(const std::string& key, const std::string& item);

} // namespace orr
