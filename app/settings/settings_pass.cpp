// Settings passes over the platform's whole-file read and atomic replace.
#include "app/settings/settings_pass.h"

#include "app/settings/ini_number.h"
#include "app/settings/settings_error.h"
#include "platform/file_contents.h"

namespace orr {

namespace {

#ifdef _WIN32
constexpr std::string_view kNativeLineEnd = "\r\n";
#else
constexpr std::string_view kNativeLineEnd = "\n";
#endif

} // namespace

SettingsReadPass::SettingsReadPass(const std::string& path) {
    platform::FileRead read = platform::read_file(path);
    if (read.status == platform::ReadStatus::Ok) text_ = IniText(std::move(read.bytes), kNativeLineEnd);
}

int SettingsReadPass::read_integer(std::string_view section, std::string_view key, int default_value) const {
    const auto text = text_.value(section, key);
    if (!text) return default_value;
    return parse_profile_integer(*text).value_or(default_value);
}

bool SettingsReadPass::read_boolean(std::string_view section, std::string_view key, bool default_value) const {
    return read_integer(section, key, default_value ? 1 : 0) != 0;
}

void SettingsReadPass::release() { text_ = IniText(); }

SettingsWritePass::SettingsWritePass(std::string path) : path_(std::move(path)) {}

void SettingsWritePass::write_integer(std::string_view section, std::string_view key, int value) {
    write_value(section, key, std::to_string(value));
}

void SettingsWritePass::write_boolean(std::string_view section, std::string_view key, bool value) {
    write_value(section, key, value ? "1" : "0");
}

void SettingsWritePass::write_value(std::string_view section, std::string_view key, std::string_view value) {
    platform::FileRead current = platform::read_file(path_);
    // A file that is there but cannot be read must not be replaced by one holding only this key.
    if (current.status == platform::ReadStatus::Failed) throw ESettingsWriteError(path_);
    IniText text(std::move(current.bytes), kNativeLineEnd);
    if (!text.set_value(section, key, value)) return;  // already so: nothing to write
    if (!platform::replace_file(path_, text.bytes())) throw ESettingsWriteError(path_);
}

} // namespace orr
