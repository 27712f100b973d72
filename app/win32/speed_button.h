// TSpeedButton: a glyph-only button that never takes the keyboard focus, reporting its
// click to its parent as BN_CLICKED like any button.
#pragma once

#include <windows.h>

#include "app/glyph_pixels.h"
#include "core/click_gesture.h"
#include "core/win32/window.h"

class TSpeedButton : public orr::win32::Window {
public:
    TSpeedButton(HWND parent, int control_id, orr::Glyph glyph);

    // Each glyph pixel is drawn as a square this wide: the owner's screen density decides.
    void SetGlyphFactor(int factor) { glyph_factor_ = factor; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void Paint();
    void SetPressed(bool pressed);

    orr::Glyph glyph_;
    int glyph_factor_ = 1;
    orr::ClickGesture<HWND> clicks_;
    bool pressed_ = false; // the left button went down here, is held, and the pointer is over it
};
