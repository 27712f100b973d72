#include "app/win32/font_cache.h"

SharedFont FontCache::Get(const FontSpec& spec)
{
    if (SharedFont held = fonts_[spec].lock())
        return held;
    // Fonts nobody holds any more are forgotten as new ones come.
    std::erase_if(fonts_, [](const auto& entry) { return entry.second.expired(); });
    const HFONT font = CreateFontA(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                   ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, spec.face.c_str());
    SharedFont shared(font, [](HFONT f) { DeleteObject(f); });
    fonts_[spec] = shared;
    return shared;
}
