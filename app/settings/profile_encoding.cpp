// UTF-16 profile files to UTF-8 text and back, lossless for any sequence of units.
#include "app/settings/profile_encoding.h"

#include <cstdint>
#include <string_view>

namespace orr {

namespace {

constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";
constexpr std::size_t kUnitSize = 2;

constexpr char32_t kHighFirst = 0xD800;
constexpr char32_t kLowFirst = 0xDC00;
constexpr char32_t kLowLast = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;

bool is_high(char32_t unit) { return unit >= kHighFirst && unit < kLowFirst; }
bool is_low(char32_t unit) { return unit >= kLowFirst && unit <= kLowLast; }

std::string_view mark_of(ProfileEncoding encoding)
{
    return encoding == ProfileEncoding::Utf16Le ? kUtf16LeMark : kUtf16BeMark;
}

char32_t unit_at(std::string_view bytes, std::size_t at, bool little_endian)
{
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return little_endian ? static_cast<char32_t>(first | (second << 8))
                         : static_cast<char32_t>((first << 8) | second);
}

void append_unit(std::string& out, char32_t unit, bool little_endian)
{
    const auto low = static_cast<char>(unit & 0xFF);
    const auto high = static_cast<char>((unit >> 8) & 0xFF);
    out += little_endian ? low : high;
    out += little_endian ? high : low;
}

void append_utf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Reads one code point written by append_utf8 at text[at]; advances at. Bytes that
// are no such form (only edits of ours could bring them) read as themselves.
char32_t next_code_point(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    char32_t c = lead;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        c = lead & 0x07;
    } else if (lead >= 0xE0) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xC0) {
        length = 2;
        c = lead & 0x1F;
    }
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    at += length;
    return c;
}

} // namespace

ProfileText decode_profile(std::string bytes)
{
    ProfileText result;
    const std::string_view view(bytes);
    if (view.starts_with(kUtf16LeMark))
        result.encoding = ProfileEncoding::Utf16Le;
    else if (view.starts_with(kUtf16BeMark))
        result.encoding = ProfileEncoding::Utf16Be;
    else {
        result.text = std::move(bytes);
        return result;
    }

    const bool little_endian = result.encoding == ProfileEncoding::Utf16Le;
    const std::size_t end = kUnitSize + (view.size() - kUnitSize) / kUnitSize * kUnitSize;
    result.text.reserve(view.size());
    for (std::size_t at = kUnitSize; at < end; at += kUnitSize) {
        char32_t unit = unit_at(view, at, little_endian);
        if (is_high(unit) && at + kUnitSize < end) {
            const char32_t next = unit_at(view, at + kUnitSize, little_endian);
            if (is_low(next)) {
                unit = kFirstSupplementary + ((unit - kHighFirst) << 10) + (next - kLowFirst);
                at += kUnitSize;
            }
        }
        append_utf8(result.text, unit);
    }
    result.trailing = view.substr(end);
    return result;
}

std::string encode_profile(const ProfileText& profile)
{
    if (profile.encoding == ProfileEncoding::Bytes)
        return profile.text;
    const bool little_endian = profile.encoding == ProfileEncoding::Utf16Le;
    std::string out(mark_of(profile.encoding));
    out.reserve(kUnitSize + profile.text.size() * kUnitSize + profile.trailing.size());
    for (std::size_t at = 0; at < profile.text.size();) {
        const char32_t c = next_code_point(profile.text, at);
        if (c >= kFirstSupplementary) {
            append_unit(out, kHighFirst + ((c - kFirstSupplementary) >> 10), little_endian);
            append_unit(out, kLowFirst + ((c - kFirstSupplementary) & 0x3FF), little_endian);
        } else {
            append_unit(out, c, little_endian);
        }
    }
    out += profile.trailing;
    return out;
}

} // namespace orr
