// Reading and writing passes over a settings file. Each pass opens the file afresh and
// releases it; nothing is held open or remembered between passes.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

#include "app/settings/ini_text.h"
#include "app/settings/profile_encoding.h"
#include "platform/file_contents.h"
#include "platform/file_update.h"

namespace orr {

// The bound of every file the program reads.
inline constexpr std::size_t kMaxSettingsFileBytes = platform::kMaxReadBytes;

// How long a writing pass waits for another program that holds the file.
inline constexpr std::chrono::milliseconds kSettingsLockWait{1000};

// Reads the file once when opened; a missing, unreadable or oversized file reads as
// empty, so every value gives its default.
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

// Holds the file exclusively from opening to release: reads it once, applies each
// write to that text, and puts the result in place once, on release. A pass that ends
// without release, or in which a write failed, leaves the file as it was. Every
// failure raises ESettingsWriteError: opening (the file held by another program beyond
// lock_wait, not a file, read-only, unreadable or oversized), a write, or the release.
class SettingsWritePass {
public:
    explicit SettingsWritePass(std::string path, std::chrono::milliseconds lock_wait = kSettingsLockWait);

    void write_integer(std::string_view section, std::string_view key, int value);
    void write_boolean(std::string_view section, std::string_view key, bool value);

    void release();

    const std::string& path() const { return path_; }

private:
    void write_value(std::string_view section, std::string_view key, std::string_view value);

    std::string path_;
    platform::FileUpdate file_;
    ProfileText profile_;
    IniText text_;
    bool ended_ = false; // by a failed write or by the release
};

} // namespace orr
