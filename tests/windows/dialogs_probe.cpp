// Shows each kind of message box of the Win32 shell over an always-on-top owner and checks
// what a user meets: caption, icon, buttons, default, owner, stacking, centring, answer.
// --self presses the keys itself; without it they come from outside (xdotool).
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/win32/win32_dialogs.h"
#include "core/dialogs.h"

namespace {

constexpr UINT kTickMs = 100;
constexpr int kTicksToAppear = 100;
constexpr int kTicksToClose = 30;
constexpr UINT_PTR kSubclassId = 7;

using Buttons = std::vector<std::pair<int, const char*>>;

struct Case {
    const char* name;
    orr::BoxAnswer (*show)();
    WORD key;                // pressed in --self mode
    orr::BoxAnswer expected; // the answer to that key
    const char* caption;
    LPCSTR icon;
    Buttons buttons;
    int default_button;
};

struct Probe {
    HWND owner = nullptr;
    bool self_press = false;
    const Case* current = nullptr;
    HWND box = nullptr;
    bool system_placed = false;
    int ticks = 0;
    std::vector<std::string> failures;

    void fail(const std::string& what) { failures.push_back(std::string(current->name) + ": " + what); }
};

Probe probe;

bool is_box(HWND window)
{
    char name[16] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
}

bool shows(HWND box, int id)
{
    const HWND button = GetDlgItem(box, id);
    return button && IsWindowVisible(button);
}

// Wine centres a box on the screen and ends a Yes/No box with IDCANCEL on Escape, so on
// their own neither shows the shell's handling. Beneath the shell, this subclass makes a box
// as a system may have it: its own first placement over the owner's corner, and deaf to
// Escape without a Cancel button, as Windows is.
LRESULT CALLBACK like_windows(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_WINDOWPOSCHANGING && !probe.system_placed) {
        auto* move = reinterpret_cast<WINDOWPOS*>(lparam);
        if (!(move->flags & SWP_NOMOVE)) {
            probe.system_placed = true;
            RECT owner{};
            GetWindowRect(probe.owner, &owner);
            move->x = owner.left;
            move->y = owner.top;
        }
    }
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL && shows(box, IDNO) && !shows(box, IDCANCEL))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, like_windows, kSubclassId);
    return DefSubclassProc(box, message, wparam, lparam);
}

// Installed before any box, so each box gets the Windows behaviour before the shell sees it.
LRESULT CALLBACK on_create(int code, WPARAM wparam, LPARAM lparam)
{
    const auto window = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_CREATEWND && is_box(window))
        SetWindowSubclass(window, like_windows, kSubclassId, 0);
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

class CreateHook {
public:
    CreateHook() : hook_(SetWindowsHookExA(WH_CBT, on_create, nullptr, GetCurrentThreadId())) {}
    ~CreateHook() { UnhookWindowsHookEx(hook_); }
    CreateHook(const CreateHook&) = delete;
    CreateHook& operator=(const CreateHook&) = delete;

private:
    HHOOK hook_;
};

const char* name_of(orr::BoxAnswer answer)
{
    switch (answer) {
    case orr::BoxAnswer::Ok: return "Ok";
    case orr::BoxAnswer::Yes: return "Yes";
    case orr::BoxAnswer::No: return "No";
    }
    return "?";
}

HWND find_box()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM out) -> BOOL {
            if (!is_box(window) || !IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<HWND*>(out) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HICON icon_of(HWND box)
{
    HICON icon = nullptr;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM out) -> BOOL {
            if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
                return TRUE;
            *reinterpret_cast<HICON*>(out) = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&icon));
    return icon;
}

bool is_above(HWND upper, HWND lower)
{
    for (HWND next = GetWindow(upper, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        if (next == lower)
            return true;
    }
    return false;
}

void check_buttons(HWND box, const Case& c)
{
    for (const auto& [id, text] : c.buttons) {
        char shown[64] = {};
        if (!shows(box, id) || !GetDlgItemTextA(box, id, shown, sizeof shown) ||
            std::strcmp(shown, text) != 0)
            probe.fail(std::string("button ") + text + " shown as \"" + shown + "\"");
    }
    for (const int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        bool wanted = false;
        for (const auto& expected : c.buttons)
            wanted = wanted || expected.first == id;
        if (shows(box, id) && !wanted)
            probe.fail("extra button " + std::to_string(id));
    }
    // Wine's DM_GETDEFID names its hidden OK button; the button's style and the focus tell.
    const HWND default_button = GetDlgItem(box, c.default_button);
    if (!default_button || (GetWindowLongPtrA(default_button, GWL_STYLE) & BS_TYPEMASK) != BS_DEFPUSHBUTTON ||
        GetFocus() != default_button)
        probe.fail("default button is not " + std::to_string(c.default_button));
}

void check_placement(HWND box)
{
    if (GetWindow(box, GW_OWNER) != probe.owner)
        probe.fail("not owned by the main window");
    if (!is_above(box, probe.owner))
        probe.fail("beneath the main window");
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(box, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT frame{};
    GetWindowRect(box, &frame);
    const RECT& work = monitor.rcWork;
    const int dx = (frame.left + frame.right) - (work.left + work.right);
    const int dy = (frame.top + frame.bottom) - (work.top + work.bottom);
    if (std::abs(dx) > 1 || std::abs(dy) > 1)
        probe.fail("off centre by " + std::to_string(dx / 2) + "," + std::to_string(dy / 2));
}

void check_box(HWND box)
{
    const Case& c = *probe.current;
    char caption[256] = {};
    GetWindowTextA(box, caption, sizeof caption);
    if (std::strcmp(caption, c.caption) != 0)
        probe.fail(std::string("caption \"") + caption + "\"");
    if (icon_of(box) != LoadIconA(nullptr, c.icon))
        probe.fail("wrong icon");
    check_buttons(box, c);
    check_placement(box);
}

void press(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// Runs inside the box's modal loop: finds the box, checks it, presses the key and
// ends a box the key left open, so one failure does not hold up the rest. A throw in
// here ends the probe rather than unwinding through the system's frames.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) noexcept
{
    ++probe.ticks;
    if (!probe.box) {
        probe.box = find_box();
        if (!probe.box) {
            if (probe.ticks == kTicksToAppear)
                probe.fail("no box appeared");
            return;
        }
        check_box(probe.box);
        if (probe.self_press) {
            SetForegroundWindow(probe.box);
            press(probe.current->key);
        }
        probe.ticks = 0;
    } else if (probe.self_press && probe.ticks == kTicksToClose && IsWindow(probe.box)) {
        probe.fail("the key left the box open");
        EndDialog(probe.box, IDABORT);
    }
}

LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}

HWND make_owner(HINSTANCE instance)
{
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = owner_proc;
    window_class.hInstance = instance;
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "OrrindaleDialogsProbe";
    RegisterClassA(&window_class);
    // In a corner, so a box placed over its owner is plainly off centre.
    const HWND window = CreateWindowExA(0, window_class.lpszClassName, "Orrindale dialogs probe",
                                        WS_OVERLAPPEDWINDOW, 0, 0, 480, 360, nullptr, nullptr, instance,
                                        nullptr);
    ShowWindow(window, SW_SHOW);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return window;
}

orr::BoxAnswer information()
{
    orr::show_information("The settings were reset.\r\nThey apply at once.");
    return orr::BoxAnswer::Ok;
}

orr::BoxAnswer warning()
{
    return orr::ask_warning("Restore the factory defaults?") ? orr::BoxAnswer::Yes : orr::BoxAnswer::No;
}

orr::BoxAnswer error()
{
    orr::show_error("Unable to write to C:\\orrindale.ini");
    return orr::BoxAnswer::Ok;
}

orr::BoxAnswer report()
{
    orr::report_error("Grid index out of range");
    return orr::BoxAnswer::Ok;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR command_line, int)
{
    probe.self_press = std::strstr(command_line, "--self") != nullptr;
    const CreateHook windows_behaviour;
    probe.owner = make_owner(instance);
    Win32Dialogs dialogs;
    dialogs.SetOwner(probe.owner);
    orr::set_dialogs(&dialogs);
    orr::set_application_title("Orrindale v1.0");

    const Buttons ok = {{IDOK, "OK"}};
    const Buttons yes_no = {{IDYES, "&Yes"}, {IDNO, "&No"}};
    // In this order an outside driver presses the same keys.
    const Case cases[] = {
        {"information", information, VK_RETURN, orr::BoxAnswer::Ok, "Information", IDI_INFORMATION, ok, IDOK},
        {"warning-enter", warning, VK_RETURN, orr::BoxAnswer::Yes, "Warning", IDI_WARNING, yes_no, IDYES},
        {"warning-escape", warning, VK_ESCAPE, orr::BoxAnswer::No, "Warning", IDI_WARNING, yes_no, IDYES},
        {"error-escape", error, VK_ESCAPE, orr::BoxAnswer::Ok, "Error", IDI_ERROR, ok, IDOK},
        {"report", report, VK_RETURN, orr::BoxAnswer::Ok, "Orrindale v1.0", IDI_ERROR, ok, IDOK},
    };
    for (const Case& c : cases) {
        probe.current = &c;
        probe.box = nullptr;
        probe.system_placed = false;
        probe.ticks = 0;
        const UINT_PTR timer = SetTimer(nullptr, 0, kTickMs, tick);
        const orr::BoxAnswer answer = c.show();
        KillTimer(nullptr, timer);
        std::printf("%s: %s\n", c.name, name_of(answer));
        std::fflush(stdout);
        if (probe.self_press && answer != c.expected)
            probe.fail(std::string("answered ") + name_of(answer));
    }
    orr::set_dialogs(nullptr);
    DestroyWindow(probe.owner);
    for (const std::string& failure : probe.failures)
        std::printf("FAIL %s\n", failure.c_str());
    std::printf("%s\n", probe.failures.empty() ? "PASS" : "FAILED");
    return probe.failures.empty() ? 0 : 1;
}
