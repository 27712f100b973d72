// The face of the standard OK button, an owner-drawn push button: its green tick 2
// pixels from the left edge, the caption centred in the rest, the default frame.
#pragma once

#include <windows.h>

#include "core/win32/handles.h"

class OkButtonFace {
public:
    OkButtonFace();
    // Paints into a memory bitmap and copies it to the button once, so nothing flickers.
    void Paint(const DRAWITEMSTRUCT& item, bool is_default) const;

private:
    orr::win32::GdiObject<HBITMAP> glyph_;
};
