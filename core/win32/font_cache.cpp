#include "core/win32/font_cache.h"

namespace orr::win32 {

SharedFont FontCache::Get(const FontChoice& wanted)
{
    if (SharedFont held = fonts_[wanted].lock())
        return held;
    // Fonts nobody holds any more are forgotten as new ones come.
    std::erase_if(fonts_, [](const auto& entry) { return entry.second.expired(); });
    const HFONT font = CreateFontA(wanted.height, 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                   wanted.underline, FALSE, wanted.charset, OUT_DEFAULT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, wanted.pitch_and_family,
                                   wanted.face.c_str());
    SharedFont shared(font, [](HFONT f) { DeleteObject(f); });
    fonts_[wanted] = shared;
    return shared;
}

} // namespace orr::win32
