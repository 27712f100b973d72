// What the main window's behaviour asks of the Win32 window, answered with its controls.
#include <windows.h>
#include <algorithm>

#include "about/win32/about_box.h"
#include "app/print/win32/gdi_page.h"
#include "app/win32/control_ids.h"
#include "app/win32/main_form1.h"
#include "app/win32/speed_button.h"
#include "monthgrid/win32/calendar.h"

namespace {

orr::Bounds bounds_of(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM screens)
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info))
        reinterpret_cast<std::vector<orr::Screen>*>(screens)->push_back(
            {bounds_of(info.rcMonitor), bounds_of(info.rcWork)});
    return TRUE;
}

BOOL CALLBACK add_owned(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

bool minimising(int command)
{
    return command == SW_SHOWMINIMIZED || command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE ||
           command == SW_FORCEMINIMIZE;
}

} // namespace

void TMainForm1::SetYearText(const std::string& text) { SetWindowTextA(Year_Edit, text.c_str()); }

void TMainForm1::SetCalendarDatePart(int month, orr::DatePart part, int value)
{
    calendars_[month - 1]->Core().SetDatePart(static_cast<int>(part), value);
}

void TMainForm1::SetLabelColour(int month, int colour)
{
    // 0x00BBGGRR is the COLORREF layout already.
    label_colours_[month - 1] = static_cast<COLORREF>(colour);
    InvalidateRect(labels_[month - 1], nullptr, TRUE);
}

void TMainForm1::SetYearButtonsEnabled(bool previous, bool next)
{
    EnableWindow(Last_Year_SpeedButton->Handle(), previous);
    EnableWindow(Next_Year_SpeedButton->Handle(), next);
}

void TMainForm1::PlaceControls(const std::vector<orr::ControlPlacement>& batch)
{
    // One deferred move per parent (the window and the button row): each moves its
    // children at once, so the window repaints once.
    for (const HWND parent : {Handle(), GroupBox1}) {
        HDWP moves = BeginDeferWindowPos(static_cast<int>(batch.size()));
        for (const orr::ControlPlacement& placed : batch) {
            const HWND control = components_[placed.index].window;
            if (moves && GetParent(control) == parent)
                moves = DeferWindowPos(moves, control, nullptr, placed.bounds.left, placed.bounds.top,
                                       placed.bounds.width, placed.bounds.height,
                                       SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (moves)
            EndDeferWindowPos(moves);
    }
    for (const orr::ControlPlacement& placed : batch) {
        Owned& component = components_[placed.index];
        if (component.font.height != placed.font_height) {
            component.font.height = placed.font_height;
            ApplyFont(component);
        }
    }
}

void TMainForm1::MirrorLayoutRecord(const std::vector<std::string>& lines)
{
    SendMessageA(Scaling_ListBox, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageA(Scaling_ListBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void TMainForm1::HideScrollBars()
{
    ShowScrollBar(Handle(), SB_VERT, FALSE);
    ShowScrollBar(Handle(), SB_HORZ, FALSE);
}

orr::Bounds TMainForm1::ClientRect() const
{
    RECT client;
    GetClientRect(Handle(), &client);
    return bounds_of(client);
}

void TMainForm1::SetClientSize(int width, int height)
{
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, kStyle, TRUE, 0);
    SetWindowPos(Handle(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

orr::Bounds TMainForm1::OuterBounds() const
{
    // Maximised or minimised, the place kept is the one the window returns to. The
    // placement counts from the work area's corner, the window's bounds from the screen's.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if ((IsZoomed(Handle()) || IsIconic(Handle())) && GetWindowPlacement(Handle(), &placement)) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoA(MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        OffsetRect(&placement.rcNormalPosition, monitor.rcWork.left - monitor.rcMonitor.left,
                   monitor.rcWork.top - monitor.rcMonitor.top);
        return bounds_of(placement.rcNormalPosition);
    }
    RECT outer;
    GetWindowRect(Handle(), &outer);
    return bounds_of(outer);
}

void TMainForm1::SetOuterBounds(const orr::Bounds& outer)
{
    SetWindowPos(Handle(), nullptr, outer.left, outer.top, outer.width, outer.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

orr::Screens TMainForm1::ScreenLayout() const
{
    orr::Screens layout;
    EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&layout.screens));
    // The primary monitor is the one at the origin of the desktop.
    std::stable_partition(layout.screens.begin(), layout.screens.end(),
                          [](const orr::Screen& s) { return s.area.left == 0 && s.area.top == 0; });
    MINMAXINFO limits{};
    SendMessageA(Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    layout.minimum_width = limits.ptMinTrackSize.x;
    layout.minimum_height = limits.ptMinTrackSize.y;
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kStyle, FALSE, 0);
    layout.title_height = -frame.top;
    return layout;
}

bool TMainForm1::IsMaximized() const
{
    // A maximised window that was then minimised comes back maximised.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    return IsZoomed(Handle()) || (IsIconic(Handle()) && GetWindowPlacement(Handle(), &placement) &&
                                  (placement.flags & WPF_RESTORETOMAXIMIZED));
}

void TMainForm1::ShowWindow(int command)
{
    if (const HWND application = Application()) {
        // Minimised, the window goes with the application's window, which has the
        // taskbar button; shown first, it comes back when that is restored.
        if (minimising(command)) {
            ::ShowWindow(Handle(), SW_SHOWNA);
            ::ShowWindow(application, command);
            return;
        }
        if (IsIconic(application))
            ::ShowWindow(application, SW_SHOWNOACTIVATE);
    }
    ::ShowWindow(Handle(), command);
    // A window minimised from maximised comes back maximised; restoring means unmaximised.
    if (command == SW_RESTORE && IsZoomed(Handle()))
        ::ShowWindow(Handle(), SW_RESTORE);
}

int TMainForm1::LauncherShowCommand() const
{
    STARTUPINFOA info{};
    info.cb = sizeof info;
    GetStartupInfoA(&info);
    // A launcher that names no show state gets a normal window, never a hidden one.
    return (info.dwFlags & STARTF_USESHOWWINDOW) ? info.wShowWindow : SW_SHOWNORMAL;
}

void TMainForm1::SetTopmost(bool on)
{
    // Wine leaves a window out of the topmost band while it owns other windows (the
    // hints, the hidden About window), so they are let go for the move and taken back.
    std::vector<HWND> owned;
    EnumThreadWindows(GetCurrentThreadId(), add_owned, reinterpret_cast<LPARAM>(&owned));
    std::erase_if(owned, [this](HWND w) { return GetWindow(w, GW_OWNER) != Handle(); });
    for (HWND window : owned)
        SetWindowLongPtrA(window, GWLP_HWNDPARENT, 0);
    // It also keeps the window in the band while its owner stands first below it; the
    // application's window, never seen, can stand anywhere.
    if (!on && Application())
        SetWindowPos(Application(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    topmost_ = on; // asked for here, so not a change from outside
    SetWindowPos(Handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    for (HWND window : owned)
        SetWindowLongPtrA(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Handle()));
}

void TMainForm1::SetChecked(orr::MenuOption option, bool checked)
{
    CheckMenuItem(MainMenu1, control_id(orr::mainform::item_name(option)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TMainForm1::SetCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

void TMainForm1::SetTaskbarTitle(const std::string& title)
{
    if (const HWND application = Application())
        SetWindowTextA(application, title.c_str());
}

void TMainForm1::ShowAbout(const orr::AboutTexts& texts)
{
    if (!about_box_)
        about_box_ = std::make_unique<TAboutBox>(Handle());
    about_box_->SetTexts(texts);
    about_box_->ShowModal();
}

void TMainForm1::PrintYear(const orr::print::YearPage& page)
{
    orr::win32::print_with_dialog(Handle(), page);
}

void TMainForm1::Close()
{
    // Posted, so the click that asked for it has finished before the window goes.
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
