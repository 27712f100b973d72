#include "app/win32/speed_button.h"

#include <windowsx.h>

#include "app/win32/glyph_button.h"
#include "core/win32/handles.h"

namespace {

constexpr orr::win32::WindowClass kSpeedButtonClass{"TSpeedButton", "speed button"};

} // namespace

TSpeedButton::TSpeedButton(HWND parent, int control_id, orr::Glyph glyph) : glyph_(glyph)
{
    Create(kSpeedButtonClass, {.style = WS_CHILD | WS_VISIBLE, .parent = parent, .control_id = control_id});
}

LRESULT TSpeedButton::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(Handle(), nullptr, FALSE); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        clicks_.Press(Handle());
        SetCapture(Handle());
        SetPressed(true);
        return 0;
    case WM_MOUSEMOVE:
        if (clicks_.Pressed()) {
            RECT client;
            GetClientRect(Handle(), &client);
            SetPressed(PtInRect(&client, POINT{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}) != 0);
        }
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = clicks_.Release(pressed_ ? std::optional(Handle()) : std::nullopt).has_value();
        SetPressed(false);
        ReleaseCapture();
        if (clicked)
            SendMessageA(GetParent(Handle()), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Handle()), BN_CLICKED),
                         reinterpret_cast<LPARAM>(Handle()));
        return 0;
    }
    case WM_CAPTURECHANGED:
        clicks_.Cancel();
        SetPressed(false);
        return 0;
    }
    return Window::HandleMessage(message, wparam, lparam);
}

void TSpeedButton::SetPressed(bool pressed)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TSpeedButton::Paint()
{
    const orr::win32::PaintScope paint(Handle());
    RECT client;
    GetClientRect(Handle(), &client);
    ButtonLook look;
    look.glyph = glyph_;
    look.pressed = pressed_;
    look.enabled = IsWindowEnabled(Handle()) != 0;
    look.glyph_factor = glyph_factor_;
    paint_glyph_button(paint.dc(), client, look);
}
