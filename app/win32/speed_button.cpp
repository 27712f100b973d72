#include "app/win32/speed_button.h"

#include <windowsx.h>

#include "app/win32/glyph_button.h"
#include "core/event_guard.h"
#include "core/win32/handles.h"

namespace {

constexpr const char* kClassName = "TSpeedButton";

void register_class()
{
    WNDCLASSA existing{};
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoA(instance, kClassName, &existing))
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA; // replaced per window once it knows its object
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

} // namespace

TSpeedButton::TSpeedButton(HWND parent, int control_id, orr::Glyph glyph) : glyph_(glyph)
{
    register_class();
    handle_ = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)),
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSpeedButton::WindowProc));
}

TSpeedButton::~TSpeedButton()
{
    if (IsWindow(handle_)) {
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
        DestroyWindow(handle_);
    }
}

LRESULT CALLBACK TSpeedButton::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<TSpeedButton*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    LRESULT result = 0;
    orr::guarded([&] { result = self->Handle(message, wparam, lparam); });
    return result;
}

LRESULT TSpeedButton::Handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(handle_, nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        tracking_ = true;
        SetCapture(handle_);
        SetPressed(true);
        return 0;
    case WM_MOUSEMOVE:
        if (tracking_) {
            RECT client;
            GetClientRect(handle_, &client);
            SetPressed(PtInRect(&client, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}) != 0);
        }
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = tracking_ && pressed_;
        tracking_ = false;
        SetPressed(false);
        ReleaseCapture();
        if (clicked)
            SendMessageA(GetParent(handle_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle_), BN_CLICKED),
                         reinterpret_cast<LPARAM>(handle_));
        return 0;
    }
    case WM_CAPTURECHANGED:
        tracking_ = false;
        SetPressed(false);
        return 0;
    }
    return DefWindowProcA(handle_, message, wparam, lparam);
}

void TSpeedButton::SetPressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    InvalidateRect(handle_, nullptr, FALSE);
}

void TSpeedButton::Paint()
{
    const orr::win32::PaintScope paint(handle_);
    RECT client;
    GetClientRect(handle_, &client);
    ButtonLook look;
    look.glyph = glyph_;
    look.pressed = pressed_;
    look.enabled = IsWindowEnabled(handle_) != 0;
    look.glyph_factor = glyph_factor_;
    paint_glyph_button(paint.dc(), client, look);
}
