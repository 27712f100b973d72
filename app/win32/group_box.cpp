#include "app/win32/group_box.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kForwarding = 1;

LRESULT CALLBACK forward(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR owner)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: return SendMessageA(reinterpret_cast<HWND>(owner), message, wparam, lparam);
    case WM_ERASEBKGND: {
        // The button class paints no background of its own; the owner clips it out.
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(window, &forward, kForwarding); break;
    }
    return DefSubclassProc(window, message, wparam, lparam);
}

} // namespace

void forward_to_owner(HWND group_box, HWND owner)
{
    SetWindowSubclass(group_box, &forward, kForwarding, reinterpret_cast<DWORD_PTR>(owner));
}
