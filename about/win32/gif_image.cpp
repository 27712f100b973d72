#include "about/win32/gif_image.h"

#include <algorithm>

#include "about/gif_loader.h"
#include "about/win32/wic_image.h"
#include "core/event_guard.h"

namespace {

constexpr const char* kClassName = "TGIFImage";
constexpr UINT_PTR kFrameTimer = 1;

void register_class(HINSTANCE instance)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kClassName, &existing))
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

} // namespace

TGIFImage::TGIFImage(HWND parent, const RECT& bounds, const orr::gif::TickClock& clock)
    : parent_(parent), animator_(static_cast<orr::gif::FrameTimer&>(*this), clock)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    register_class(instance);
    handle_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, parent, nullptr,
                              instance, nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TGIFImage::WindowProc));
}

TGIFImage::~TGIFImage()
{
    if (IsWindow(handle_)) {
        KillTimer(handle_, kFrameTimer);
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
        DestroyWindow(handle_);
    }
}

void TGIFImage::LoadFromData(std::span<const std::uint8_t> data)
{
    orr::gif::Picture picture = orr::gif::load(data);
    void* bits = nullptr;
    frame_ = picture.empty() ? orr::win32::GdiObject<HBITMAP>()
                             : orr::win32::premultiplied_bitmap(picture.width, picture.height, &bits);
    frame_bits_ = static_cast<std::uint32_t*>(bits);
    animator_.Load(std::move(picture));
}

void TGIFImage::SetStretch(bool on)
{
    stretch_ = on;
    InvalidateRect(handle_, nullptr, FALSE);
}

void TGIFImage::SetOpaque(bool on)
{
    opaque_ = on;
    InvalidateRect(handle_, nullptr, FALSE);
}

void TGIFImage::StartFrameTimer(int interval_ms)
{
    SetTimer(handle_, kFrameTimer, static_cast<UINT>(interval_ms), nullptr);
}

void TGIFImage::StopFrameTimer() { KillTimer(handle_, kFrameTimer); }

void TGIFImage::CopyCanvas()
{
    const orr::gif::Compositor& canvas = animator_.canvas();
    if (frame_bits_ && !canvas.pixels().empty())
        std::copy(canvas.pixels().begin(), canvas.pixels().end(), frame_bits_);
}

void TGIFImage::FrameChanged()
{
    CopyCanvas();
    // Shown now, so that the frame timer counts the painting too.
    RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TGIFImage::Paint(HDC target)
{
    RECT client;
    GetClientRect(handle_, &client);
    orr::win32::MemoryDc memory(target);
    orr::win32::GdiObject<HBITMAP> buffer(CreateCompatibleBitmap(target, client.right, client.bottom));
    orr::win32::Selection into(memory.get(), buffer.get());
    if (opaque_) {
        FillRect(memory.get(), &client, GetSysColorBrush(COLOR_BTNFACE));
    } else {
        // What lies beneath: the parent paints itself into the buffer, shifted to here.
        POINT origin{0, 0};
        MapWindowPoints(handle_, parent_, &origin, 1);
        POINT previous;
        SetViewportOrgEx(memory.get(), -origin.x, -origin.y, &previous);
        SendMessageA(parent_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.get()), PRF_CLIENT);
        SetViewportOrgEx(memory.get(), previous.x, previous.y, nullptr);
    }
    const orr::gif::Compositor& canvas = animator_.canvas();
    if (frame_ && canvas.width() > 0) {
        orr::win32::MemoryDc source(target);
        orr::win32::Selection picture(source.get(), frame_.get());
        const int width = stretch_ ? client.right : canvas.width();
        const int height = stretch_ ? client.bottom : canvas.height();
        SetStretchBltMode(memory.get(), HALFTONE);
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(memory.get(), 0, 0, width, height, source.get(), 0, 0, canvas.width(), canvas.height(),
                   blend);
    }
    BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK TGIFImage::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<TGIFImage*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self ? self->Handle(message, wparam, lparam) : DefWindowProcA(window, message, wparam, lparam);
}

LRESULT TGIFImage::Handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_TIMER:
        if (wparam == kFrameTimer) {
            orr::guarded([this] { animator_.Tick(); });
            return 0;
        }
        break;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        orr::win32::PaintScope paint(handle_);
        Paint(paint.dc());
        return 0;
    }
    case WM_SETCURSOR:
        if (hand_ && LOWORD(lparam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(handle_);
        return 0;
    case WM_LBUTTONUP: {
        const bool was_pressed = pressed_;
        pressed_ = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(handle_, &client);
        const POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        // A click is a press and a release on the control.
        if (was_pressed && PtInRect(&client, at) && OnClick)
            orr::guarded([this] { OnClick(); });
        return 0;
    }
    }
    return DefWindowProcA(handle_, message, wparam, lparam);
}
