// How a profile file's bytes carry its text. Most files are single bytes (ANSI or
// UTF-8, a UTF-8 byte-order mark included), edited as they are; a UTF-16 file with its
// byte-order mark, as the Windows profile functions read and write, is edited as
// UTF-8 and written back in UTF-16 with the same mark.
#pragma once

#include <string>

namespace orr {

enum class ProfileEncoding { Bytes, Utf16Le, Utf16Be };

struct ProfileText {
    ProfileEncoding encoding = ProfileEncoding::Bytes;
    // The bytes as they are, or the UTF-16 text after its mark as UTF-8. A lone
    // surrogate becomes its own three-byte form, so any file comes back unchanged.
    std::string text;
    // An odd last byte of a UTF-16 file, kept as it was.
    std::string trailing;
};

ProfileText decode_profile(std::string bytes);

// The inverse of decode_profile: encode_profile(decode_profile(b)) == b for all bytes.
std::string encode_profile(const ProfileText& profile);

} // namespace orr
