// Reading a profile value as a signed 32-bit integer, as the settings file stores them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace orr {

// Leading spaces, an optional sign, then decimal digits or hexadecimal digits after
// "0x", "0X" or "$". Anything else, or a number outside the signed 32-bit range: nullopt.
std::optional<std::int32_t> parse_profile_integer(std::string_view text);

} // namespace orr
