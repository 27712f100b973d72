// Settings passes: a bounded read for reading, one held update for writing.
#include "app/settings/settings_pass.h"

#include <exception>

#include "app/settings/ini_number.h"
#include "app/settings/settings_error.h"

namespace orr {

namespace {

#ifdef _WIN32
constexpr std::string_view kNativeLineEnd = "\r\n";
#else
constexpr std::string_view kNativeLineEnd = "\n";
#endif
// The Windows profile functions end the lines they add to a UTF-16 file so.
constexpr std::string_view kUtf16LineEnd = "\r\n";

IniText text_of(const ProfileText& profile)
{
    return IniText(profile.text, profile.encoding == ProfileEncoding::Bytes ? kNativeLineEnd : kUtf16LineEnd);
}

} // namespace

SettingsReadPass::SettingsReadPass(const std::string& path)
{
    platform::FileRead read = platform::read_file(path);
    if (read.status == platform::ReadStatus::Ok)
        text_ = text_of(decode_profile(std::move(read.bytes)));
}

int SettingsReadPass::read_integer(std::string_view section, std::string_view key, int default_value) const
{
    const auto text = text_.value(section, key);
    if (!text)
        return default_value;
    return parse_profile_integer(*text).value_or(default_value);
}

bool SettingsReadPass::read_boolean(std::string_view section, std::string_view key, bool default_value) const
{
    return read_integer(section, key, default_value ? 1 : 0) != 0;
}

void SettingsReadPass::release() { text_ = IniText(); }

SettingsWritePass::SettingsWritePass(std::string path, std::chrono::milliseconds lock_wait)
    : path_(std::move(path)), file_(path_, kMaxSettingsFileBytes, lock_wait)
{
    if (!file_.ready())
        throw ESettingsWriteError(path_);
    profile_ = decode_profile(file_.bytes());
    text_ = text_of(profile_);
}

void SettingsWritePass::write_integer(std::string_view section, std::string_view key, int value)
{
    write_value(section, key, std::to_string(value));
}

void SettingsWritePass::write_boolean(std::string_view section, std::string_view key, bool value)
{
    write_value(section, key, value ? "1" : "0");
}

void SettingsWritePass::write_value(std::string_view section, std::string_view key, std::string_view value)
{
    if (ended_)
        throw ESettingsWriteError(path_);
    try {
        text_.set_value(section, key, value);
    } catch (const std::exception&) {
        // A value that cannot be stored, or no memory for it: the whole pass is dropped
        // and the user hears of the file, not of a library's message.
        ended_ = true;
        throw ESettingsWriteError(path_);
    }
}

void SettingsWritePass::release()
{
    if (ended_)
        return; // a failed write was reported; nothing of the pass is put in place
    ended_ = true;
    bool written = false;
    try {
        profile_.text = text_.bytes();
        written = file_.commit(encode_profile(profile_));
    } catch (const std::exception&) {
        written = false;
    }
    if (!written)
        throw ESettingsWriteError(path_);
}

} // namespace orr
