// TGIFImage on Win32: a reusable child-window control that shows a GIF picture and
// animates it. The picture, its frames and their timing are orr::gif::Animator's; this
// window provides the frame timer and paints the composed canvas, over what lies
// beneath it, in one copy.
#pragma once

#include <windows.h>
#include <cstdint>
#include <functional>
#include <span>

#include "about/gif_animator.h"
#include "core/click_gesture.h"
#include "core/win32/handles.h"
#include "core/win32/window.h"

class TGIFImage : public orr::win32::Window, private orr::gif::FrameTimer {
public:
    TGIFImage(HWND parent, const RECT& bounds,
              const orr::gif::TickClock& clock = orr::gif::steady_tick_clock());
    ~TGIFImage() override;

    // Data that is no GIF, or is damaged before its first frame, leaves it empty.
    void LoadFromData(std::span<const std::uint8_t> data);

    // Each frame scaled to the control's bounds, ignoring the aspect ratio.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);
    // Transparent pixels in the button-face colour instead of what lies beneath.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool on);
    void SetHandCursor(bool on) { hand_ = on; }
    // The picture, its frames and whether and how they animate.
    orr::gif::Animator& Animator() { return animator_; }
    const orr::gif::Animator& Animator() const { return animator_; }

    // Runs when the control is clicked.
    std::function<void()> OnClick;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void Paint(HDC target);
    void CopyCanvas();

    void StartFrameTimer(int interval_ms) override;
    void StopFrameTimer() override;
    void FrameChanged() override;

    HWND parent_;
    orr::gif::Animator animator_;
    // The canvas as a premultiplied DIB, for AlphaBlend.
    orr::win32::GdiObject<HBITMAP> frame_;
    std::uint32_t* frame_bits_ = nullptr;
    bool stretch_ = false;
    bool opaque_ = false;
    bool hand_ = false;
    orr::ClickGesture<HWND> clicks_;
};
