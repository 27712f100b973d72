// libFuzzer target for the profile-file parser: any bytes must read without a crash,
// and a write must read back while leaving every other line and value alone; any
// bytes come back unchanged through the encodings, and an edit of a UTF-16 file stays
// UTF-16 and reads back.
#include <cstdint>
#include <string>

#include "app/settings/ini_number.h"
#include "app/settings/ini_text.h"
#include "app/settings/profile_encoding.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

const char* const kKeys[] = {"WindowState_wsMaximized",
                             "window_top_posn",
                             "window_left_posn",
                             "window_Width",
                             "window_Height",
                             "Always_on_Top_Option",
                             "Auto_Run_at_Windows_Startup_Option"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned choice = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    orr::IniText text(bytes);

    std::optional<std::string> before[std::size(kKeys)];
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        before[i] = text.value("orrindale", kKeys[i]);
        if (before[i]) {
            require(before[i]->size() <= orr::kMaxProfileValueLength, "value longer than the limit");
            (void)orr::parse_profile_integer(*before[i]);
        }
    }
    const auto elsewhere = text.value("other", "k");

    const std::size_t target = choice % std::size(kKeys);
    const std::string value = std::to_string(static_cast<int>(choice) - 128);
    text.set_value("orrindale", kKeys[target], value);

    require(text.value("orrindale", kKeys[target]) == value, "written value does not read back");
    require(orr::parse_profile_integer(*text.value("orrindale", kKeys[target])) ==
                static_cast<int>(choice) - 128,
            "written number does not parse back");
    for (std::size_t i = 0; i < std::size(kKeys); ++i) {
        if (i != target)
            require(text.value("orrindale", kKeys[i]) == before[i], "another key changed");
    }
    require(text.value("other", "k") == elsewhere, "another section changed");

    // Only one line's text may go; the rest of the old bytes stays in place around it.
    const std::string& after = text.bytes();
    std::size_t prefix = 0;
    while (prefix < bytes.size() && prefix < after.size() && bytes[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < bytes.size() - prefix && suffix < after.size() - prefix &&
           bytes[bytes.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    require(bytes.substr(prefix, bytes.size() - prefix - suffix).find_first_of("\r\n") == std::string::npos,
            "a write removed more than one line's text");

    orr::IniText again(after);
    require(!again.set_value("orrindale", kKeys[target], value), "a repeated write changed the file");

    orr::ProfileText profile = orr::decode_profile(bytes);
    require(orr::encode_profile(profile) == bytes, "the encodings changed a file");
    orr::IniText decoded(profile.text);
    decoded.set_value("orrindale", kKeys[target], value);
    profile.text = decoded.bytes();
    const orr::ProfileText reread = orr::decode_profile(orr::encode_profile(profile));
    require(reread.encoding == profile.encoding, "an edit changed the file's encoding");
    require(reread.text == profile.text && reread.trailing == profile.trailing,
            "an edit did not survive encoding");
    require(orr::IniText(reread.text).value("orrindale", kKeys[target]) == value,
            "an encoded value does not read back");
    return 0;
}
