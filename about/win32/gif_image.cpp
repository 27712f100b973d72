#include "about/win32/gif_image.h"

#include <algorithm>

#include "about/gif_loader.h"
#include "core/win32/handles.h"

namespace {

constexpr orr::win32::WindowClass kGifImageClass{"TGIFImage", "GIF image"};
constexpr UINT_PTR kFrameTimer = 1;

} // namespace

TGIFImage::TGIFImage(HWND parent, const RECT& bounds, const orr::gif::TickClock& clock)
    : animator_(static_cast<orr::gif::FrameTimer&>(*this), clock)
{
    Create(kGifImageClass, {.style = WS_CHILD | WS_VISIBLE, .bounds = bounds, .parent = parent});
}

// The frame bitmap goes only after the window that paints it.
TGIFImage::~TGIFImage() { Destroy(); }

void TGIFImage::LoadFromData(std::span<const std::uint8_t> data)
{
    orr::gif::Picture picture = orr::gif::load(data);
    frame_bits_ = nullptr;
    frame_ = picture.empty() ? orr::win32::GdiObject<HBITMAP>()
                             : orr::win32::dib_section(picture.width, picture.height, frame_bits_);
    animator_.Load(std::move(picture));
}

void TGIFImage::StartFrameTimer(int interval_ms)
{
    SetTimer(Handle(), kFrameTimer, static_cast<UINT>(interval_ms), nullptr);
}

void TGIFImage::StopFrameTimer() { KillTimer(Handle(), kFrameTimer); }

void TGIFImage::FrameChanged()
{
    const orr::gif::Compositor& canvas = animator_.canvas();
    if (frame_bits_ && !canvas.pixels().empty())
        std::copy(canvas.pixels().begin(), canvas.pixels().end(), frame_bits_);
    // Shown now, so that the frame timer counts the painting too.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TGIFImage::Paint(HDC target)
{
    RECT client;
    GetClientRect(Handle(), &client);
    const orr::win32::BackBuffer buffer(target, {client.right, client.bottom}, client);
    const HDC memory = buffer.get();
    if (animator_.Opaque()) {
        FillRect(memory, &client, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        // What lies beneath: the parent paints itself into the buffer, shifted to here.
        const HWND parent = GetParent(Handle());
        POINT origin{0, 0};
        MapWindowPoints(Handle(), parent, &origin, 1);
        POINT previous;
        SetViewportOrgEx(memory, -origin.x, -origin.y, &previous);
        SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
        SetViewportOrgEx(memory, previous.x, previous.y, nullptr);
    }
    const orr::gif::Compositor& canvas = animator_.canvas();
    if (frame_ && canvas.width() > 0) {
        orr::win32::MemoryDc source(target);
        orr::win32::Selection picture(source.get(), frame_.get());
        const orr::Size drawn = animator_.DrawnSize({client.right, client.bottom});
        SetStretchBltMode(memory, HALFTONE);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(memory, 0, 0, drawn.width, drawn.height, source.get(), 0, 0, canvas.width(),
                   canvas.height(), blend);
    }
}

LRESULT TGIFImage::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_TIMER:
        if (wparam == kFrameTimer) {
            animator_.Tick();
            return 0;
        }
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        orr::win32::PaintScope paint(Handle());
        Paint(paint.dc());
        return 0;
    }
    case WM_NCHITTEST: return HTTRANSPARENT;
    }
    return Window::HandleMessage(message, wparam, lparam);
}
