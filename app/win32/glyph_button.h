// Painting a push button face with a 16-colour glyph and an optional caption, as the
// speed buttons and the glyph push buttons of the button row show them.
#pragma once

#include <windows.h>
#include <string>

#include "app/glyph_pixels.h"

struct ButtonLook {
    orr::Glyph glyph = orr::Glyph::LeftArrow;
    std::string caption; // empty: the glyph alone, centred
    HFONT font = nullptr;
    bool pressed = false;
    bool enabled = true;
    bool focused = false;
    int glyph_factor = 1; // each glyph pixel drawn as a square this many pixels wide
};

// Paints into a memory bitmap and copies it to the target once, so nothing flickers.
void paint_glyph_button(HDC target, const RECT& bounds, const ButtonLook& look);
