// Reading and writing passes over a settings file. Each pass opens the file afresh and
// releases it; nothing is held open or remembered between passes.
#pragma once

#include "app/settings/ini_text.h"

#include <string>
#include <string_view>

namespace orr {

// Reads the file once when opened; a missing or unreadable file reads as empty, so
// every value gives its default.
class SettingsReadPass {
public:
    explicit SettingsReadPass(const std::string& path);

    // The value as a signed 32-bit number, or the default when absent or not a number.
    int read_integer(std::string_view section, std::string_view key, int default_value) const;
    // An integer read with the default 1 or 0; any value other than 0 is true.
    bool read_boolean(std::string_view section, std::string_view key, bool default_value) const;

    // Forgets what was read; later reads give the defaults.
    void release();

private:
    IniText text_;
};

// Each write reads the file as it is now, changes that one key, and puts the new file
// in place in one step, so two copies of the program win key by key and a failed write
// leaves the old file untouched. A failure raises ESettingsWriteError.
class SettingsWritePass {
public:
    explicit SettingsWritePass(std::string path);

    void write_integer(std::string_view section, std::string_view key, int value);
    void write_boolean(std::string_view section, std::string_view key, bool value);

    void release() {}

    const std::string& path() const { return path_; }

private:
    void write_value(std::string_view section, std::string_view key, std::string_view value);

    std::string path_;
};

} // namespace orr
