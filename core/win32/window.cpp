#include "core/win32/window.h"

#include <string>

#include "core/error.h"
#include "core/event_guard.h"

namespace orr::win32 {
namespace {

// False when the class can be neither registered nor found as this base's.
bool register_class(const WindowClass& window_class, WNDPROC procedure)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    // A class of that name that is not ours would make windows no object sees.
    if (GetClassInfoExA(instance, window_class.name, &existing))
        return existing.lpfnWndProc == procedure;
    WNDCLASSEXA made{};
    made.cbSize = sizeof made;
    made.style = window_class.style;
    made.lpfnWndProc = procedure;
    made.hInstance = instance;
    made.hIcon = window_class.icon ? LoadIconA(instance, window_class.icon) : nullptr;
    made.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The system's own brush for a colour index is the index plus one.
    made.hbrBackground = window_class.background >= 0
                             ? reinterpret_cast<HBRUSH>(INT_PTR{window_class.background} + 1)
                             : nullptr;
    made.lpszClassName = window_class.name;
    return RegisterClassExA(&made) != 0;
}

} // namespace

Window::~Window() { Destroy(); }

void Window::Create(const WindowClass& window_class, const WindowPlacement& placement)
{
    if (!register_class(window_class, &Window::WindowProc))
        throw Error(std::string("Unable to register the ") + window_class.what + " window class");
    const bool child = (placement.style & WS_CHILD) != 0;
    const RECT& at = placement.bounds;
    const HWND made = CreateWindowExA(
        placement.ex_style, window_class.name, placement.text, placement.style, at.left, at.top,
        at.right - at.left, at.bottom - at.top, placement.parent,
        child ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.control_id)) : nullptr,
        GetModuleHandleA(nullptr), this);
    if (!made) {
        handle_ = nullptr; // bound at WM_NCCREATE, perhaps, but never made
        throw Error(std::string("Unable to create the ") + window_class.what + " window");
    }
}

void Window::Destroy()
{
    if (handle_)
        DestroyWindow(handle_);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(handle_, message, wparam, lparam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_NCCREATE) {
        auto* made = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTA*>(lparam)->lpCreateParams);
        made->handle_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    LRESULT result = 0;
    guarded([&] { result = self->HandleMessage(message, wparam, lparam); });
    return result;
}

} // namespace orr::win32
