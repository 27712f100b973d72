// Base64 with the standard alphabet and padding: its letters, digits, '+', '/' and '='
// pass every command-line reader unchanged.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr::platform {

std::string base64_encode(std::string_view bytes);
// Nothing when text is not the padded encoding of some bytes.
std::optional<std::string> base64_decode(std::string_view text);

} // namespace orr::platform
