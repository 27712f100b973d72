// The one window base of the Win32 shell. A window class derives from Window, names its
// class in a WindowClass and calls Create from its constructor: the class is registered
// once per process, the object is bound to its HWND at WM_NCCREATE (so it sees every
// message from the first) and unbound at WM_NCDESTROY, and a failed registration or
// creation throws orr::Error instead of going on with no handle.
//
//     class TLogo : public orr::win32::Window {
//     public:
//         explicit TLogo(HWND parent)
//         {
//             Create(kLogoClass, {.style = WS_CHILD | WS_VISIBLE, .bounds = {0, 0, 32, 32},
//                                 .parent = parent});
//         }
//         ~TLogo() override { Destroy(); }
//     protected:
//         LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
//     };
//
// A top-level window names its background and icon in its class, {.style =
// WS_OVERLAPPEDWINDOW, .bounds = ..., .text = title} as its placement, and gets its menu
// with SetMenu afterwards. While Create runs, messages reach the HandleMessage of the
// class whose constructor called it, as any virtual call made from a constructor does.
#pragma once

#include <windows.h>

namespace orr::win32 {

struct WindowClass {
    const char* name;      // the registered class name
    const char* what;      // the window in an error message: "Unable to create the <what> window"
    UINT style = 0;        // CS_ flags
    int background = -1;   // a COLOR_ index painted by WM_ERASEBKGND; -1: none
    LPCSTR icon = nullptr; // a resource of the program
};

struct WindowPlacement {
    DWORD ex_style = 0;
    DWORD style = 0;
    RECT bounds{};         // in the parent's client area, or on the screen
    HWND parent = nullptr; // the parent of a child, the owner of a pop-up
    int control_id = 0;    // a child's identifier in its parent's WM_COMMAND
    const char* text = "";
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // nullptr before Create and once the window is destroyed.
    HWND Handle() const { return handle_; }

protected:
    Window() = default;
    // Destroys the window when it is still there. Messages of its destruction reach
    // only the default handler here: a class whose window uses its members (fonts,
    // bitmaps, timers) calls Destroy() in its own destructor.
    virtual ~Window();

    // Registers the class on first use and makes the window; throws orr::Error on failure.
    void Create(const WindowClass& window_class, const WindowPlacement& placement);
    void Destroy();

    // Every message from WM_NCCREATE to WM_DESTROY, inside the event guard. A class
    // answers its own and passes the rest to Window::HandleMessage (DefWindowProcA).
    virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND handle_ = nullptr;
};

} // namespace orr::win32
