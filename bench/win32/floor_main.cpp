// The floor of bench/startup under Wine: an empty Win32 window with a two-menu menu
// bar, of the year window's design size, built as orrindale.exe is. With --tick it also
// runs a 100 ms timer that reads the clock and writes it into the title once a second:
// the least a window with the calendar's clock can wake and repaint.
#include <windows.h>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kClassName = "Floor";
constexpr int kLeft = 113;
constexpr int kTop = 41;
constexpr int kWidth = 660;
constexpr int kHeight = 629;
constexpr UINT kExit = 1;
constexpr UINT kAbout = 2;
constexpr UINT_PTR kClock = 1;
constexpr UINT kClockIntervalMs = 100;

// Nine ticks in ten fall in the second already shown and only read the clock.
void show_time(HWND window)
{
    static WORD shown_second = 60;
    SYSTEMTIME now;
    GetLocalTime(&now);
    if (now.wSecond == shown_second)
        return;
    shown_second = now.wSecond;
    char title[32];
    std::snprintf(title, sizeof title, "Floor %02u:%02u:%02u", now.wHour, now.wMinute, now.wSecond);
    SetWindowTextA(window, title);
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && LOWORD(wparam) == kExit) {
        DestroyWindow(window);
        return 0;
    }
    if (message == WM_TIMER && wparam == kClock) {
        show_time(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

HMENU two_menus()
{
    const HMENU bar = CreateMenu();
    const HMENU file = CreatePopupMenu();
    const HMENU help = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kExit, "E&xit");
    AppendMenuA(help, MF_STRING, kAbout, "&About");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
    const HWND window = CreateWindowExA(0, kClassName, "Floor", WS_OVERLAPPEDWINDOW, kLeft, kTop, kWidth,
                                        kHeight, nullptr, two_menus(), instance, nullptr);
    if (std::strcmp(arguments, "--tick") == 0)
        SetTimer(window, kClock, kClockIntervalMs, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
