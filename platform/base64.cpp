// Base64: three bytes to four letters of six bits each.
#include "platform/base64.h"

#include <algorithm>

namespace orr::platform {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kPad = '=';
constexpr unsigned kSixBits = 0x3f;
constexpr unsigned kByte = 0xff;

} // namespace

std::string base64_encode(std::string_view bytes)
{
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        unsigned group = 0;
        for (std::size_t k = 0; k < 3; ++k)
            group = group << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
        for (std::size_t k = 0; k < 4; ++k)
            text += k <= n ? kAlphabet[group >> (18 - 6 * k) & kSixBits] : kPad;
    }
    return text;
}

std::optional<std::string> base64_decode(std::string_view text)
{
    if (text.size() % 4 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const std::string_view quad = text.substr(i, 4);
        const std::size_t pads = quad.size() - std::min(quad.size(), quad.find(kPad));
        const bool last = i + 4 == text.size();
        if (pads > 2 || (pads > 0 && !last) ||
            quad.find_first_not_of(kPad, 4 - pads) != std::string_view::npos)
            return std::nullopt;
        unsigned group = 0;
        for (std::size_t k = 0; k < 4 - pads; ++k) {
            const auto value = kAlphabet.find(quad[k]);
            if (value == std::string_view::npos)
                return std::nullopt;
            group |= static_cast<unsigned>(value) << (18 - 6 * k);
        }
        for (std::size_t k = 0; k < 3 - pads; ++k)
            bytes += static_cast<char>(group >> (16 - 8 * k) & kByte);
    }
    return bytes;
}

} // namespace orr::platform
