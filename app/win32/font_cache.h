// Fonts by face, character height and weight, made with CreateFont once and shared
// while any control holds them; the last holder deletes the font.
#pragma once

#include <windows.h>
#include <map>
#include <memory>
#include <string>
#include <tuple>

struct FontChoice {
    std::string face;
    int height = 0; // negative: a character height in pixels
    bool bold = false;
    auto operator<=>(const FontChoice&) const = default;
};

using SharedFont = std::shared_ptr<std::remove_pointer_t<HFONT>>;

class FontCache {
public:
    SharedFont Get(const FontChoice& wanted);

private:
    std::map<FontChoice, std::weak_ptr<std::remove_pointer_t<HFONT>>> fonts_;
};
