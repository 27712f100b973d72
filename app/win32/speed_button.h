// TSpeedButton: a glyph-only button that never takes the keyboard focus, reporting its
// click to its parent as BN_CLICKED like any button.
#pragma once

#include <windows.h>

#include "app/glyph_pixels.h"

class TSpeedButton {
public:
    TSpeedButton(HWND parent, int control_id, orr::Glyph glyph);
    ~TSpeedButton();
    TSpeedButton(const TSpeedButton&) = delete;
    TSpeedButton& operator=(const TSpeedButton&) = delete;

    HWND Handle() const { return handle_; }
    // Each glyph pixel is drawn as a square this wide: the owner's screen density decides.
    void SetGlyphFactor(int factor) { glyph_factor_ = factor; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);
    void Paint();
    void SetPressed(bool pressed);

    HWND handle_ = nullptr;
    orr::Glyph glyph_;
    int glyph_factor_ = 1;
    bool tracking_ = false; // the left button went down here and is still held
    bool pressed_ = false;  // ... and the pointer is over the button
};
