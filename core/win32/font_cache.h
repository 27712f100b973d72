// Fonts by their description, made with CreateFontA once and shared while any control
// holds them; the last holder deletes the font. Every font of the Win32 shell comes from
// here, and every height here is LOGFONT's and the layout record's: negative, a character
// height in pixels (a design table's pixel_height, negated where a window asks for it).
#pragma once

#include <windows.h>
#include <map>
#include <memory>
#include <string>

namespace orr::win32 {

struct FontChoice {
    std::string face;
    int height = 0; // negative: a character height in pixels
    bool bold = false;
    bool underline = false;
    BYTE charset = ANSI_CHARSET;
    BYTE pitch_and_family = DEFAULT_PITCH | FF_DONTCARE; // what stands in where the face is missing
    auto operator<=>(const FontChoice&) const = default;
};

using SharedFont = std::shared_ptr<std::remove_pointer_t<HFONT>>;

class FontCache {
public:
    SharedFont Get(const FontChoice& wanted);

private:
    std::map<FontChoice, std::weak_ptr<std::remove_pointer_t<HFONT>>> fonts_;
};

} // namespace orr::win32
