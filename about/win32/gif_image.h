// TGIFImage on Win32: a reusable child-window control that shows a GIF picture and
// animates it. The picture, its frames and their timing are orr::gif::Animator's; this
// window provides the frame timer and paints the composed canvas, over what lies
// beneath it, in one copy. As a graphic control, it lets the mouse through to its parent.
#pragma once

#include <windows.h>
#include <cstdint>
#include <span>

#include "about/gif_animator.h"
#include "core/win32/handles.h"
#include "core/win32/window.h"

class TGIFImage : public orr::win32::Window, private orr::gif::FrameTimer {
public:
    TGIFImage(HWND parent, const RECT& bounds,
              const orr::gif::TickClock& clock = orr::gif::steady_tick_clock());
    ~TGIFImage() override;

    // Data that is no GIF, or is damaged before its first frame, leaves it empty.
    void LoadFromData(std::span<const std::uint8_t> data);

    // The picture, its frames, whether and how they animate and how they are drawn
    // (opaque: in the button-face colour).
    orr::gif::Animator& Animator() { return animator_; }
    const orr::gif::Animator& Animator() const { return animator_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

private:
    void Paint(HDC target);

    void StartFrameTimer(int interval_ms) override;
    void StopFrameTimer() override;
    void FrameChanged() override;

    orr::gif::Animator animator_;
    // The canvas as a premultiplied DIB, for AlphaBlend.
    orr::win32::GdiObject<HBITMAP> frame_;
    std::uint32_t* frame_bits_ = nullptr;
};
