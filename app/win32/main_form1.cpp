#include "app/win32/main_form1.h"

#include "about/win32/about_box.h"
#include "app/scaling/screen_density.h"
#include "app/win32/control_ids.h"
#include "app/win32/glyph_button.h"
#include "app/win32/group_box.h"
#include "app/win32/resource.h"
#include "app/win32/speed_button.h"
#include "app/win32/window_dpi.h"
#include "core/event_guard.h"
#include "core/product.h"
#include "core/win32/hints.h"
#include "monthgrid/date_names.h"
#include "monthgrid/win32/calendar.h"
#include "platform/win32/wide_text.h"

namespace {

using orr::mainform::Design;
using orr::mainform::Kind;

constexpr UINT_PTR kClockTimer = 1;
const orr::win32::WindowClass kMainClass{"TMainForm1", "main", CS_HREDRAW | CS_VREDRAW, COLOR_BTNFACE,
                                         MAKEINTRESOURCEA(IDI_ORRINDALE)};

// The window class and styles of each kind of control.
struct ControlClass {
    const char* name;
    DWORD style;
    DWORD ex_style = 0;
};

ControlClass class_of(Kind kind)
{
    switch (kind) {
    case Kind::Label: return {"STATIC", WS_VISIBLE | SS_CENTER | SS_NOPREFIX};
    case Kind::GroupBox: return {"BUTTON", WS_VISIBLE | BS_GROUPBOX};
    // Read-only and disabled: the text shows in the disabled colour and takes no focus.
    case Kind::YearBox:
        return {"EDIT", WS_VISIBLE | ES_READONLY | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::BitButton: return {"BUTTON", WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP};
    default: return {"LISTBOX", LBS_NOINTEGRALHEIGHT};
    }
}

} // namespace

TMainForm1::TMainForm1(HWND application)
{
    using namespace orr::mainform;
    Create(kMainClass,
           {.style = kStyle,
            .bounds = {kDesignLeft, kDesignTop, kDesignLeft + kDesignWidth, kDesignTop + kDesignHeight},
            .parent = application,
            .text = orr::kProductTitle});
    // The controls are made at the density of the window's monitor; the layout record
    // taken from them at start-up then scales them in proportion, as at 96.
    dpi_ = window_dpi(Handle());
    components_.resize(kComponentCount);
    for (std::size_t index = 0; index < kComponentCount; ++index)
        Make(index);
    SetMenu(Handle(), MainMenu1);
    MakeShortcuts();
}

// The window goes in the base's destructor, after the controls made here, and its
// closing messages reach only the default handler.
TMainForm1::~TMainForm1() = default;

void TMainForm1::Make(std::size_t index)
{
    const Design& design = orr::mainform::kDesign[index];
    const int id = control_id(index);
    if (design.kind == Kind::Timer) {
        SetTimer(Handle(), kClockTimer, orr::mainform::kClockIntervalMs, nullptr);
        return;
    }
    if (!design.visual()) {
        MakeMenuEntry(design, id);
        return;
    }
    const HWND parent = design.parent ? components_[orr::mainform::index_of(design.parent)].window : Handle();
    Owned& component = components_[index];
    component.window = MakeControl(design, id, parent);
    const orr::Bounds at = orr::mainform::bounds_at(design, dpi_);
    SetWindowPos(component.window, nullptr, at.left, at.top, at.width, at.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    component.font = {design.font.face, orr::at_density(-design.font.pixel_height, dpi_), design.font.bold};
    ApplyFont(component);
}

HWND TMainForm1::MakeControl(const Design& design, int id, HWND parent)
{
    switch (design.kind) {
    case Kind::Calendar: {
        auto calendar = std::make_unique<TCalendar>(parent, id);
        const orr::mainform::GridProperties& grid = orr::mainform::kGridProperties;
        calendar->SetTabStop(grid.tab_stop);
        grid.ApplyTo(calendar->Core());
        calendar->Grid().SetGridLineWidth(orr::at_density(1, dpi_));
        calendars_[design.month - 1] = std::move(calendar);
        return calendars_[design.month - 1]->Handle();
    }
    case Kind::SpeedButton: {
        auto button = std::make_unique<TSpeedButton>(parent, id, design.glyph);
        button->SetGlyphFactor(orr::pixel_art_factor(dpi_));
        // Never drawn: the glyph speaks to the eye, the text to a screen reader.
        SetWindowTextW(button->Handle(), orr::platform::to_wide(design.accessible_name()).c_str());
        auto& held = design.command == orr::mainform::Command::LastYear ? Last_Year_SpeedButton
                                                                        : Next_Year_SpeedButton;
        held = std::move(button);
        return held->Handle();
    }
    default: break;
    }
    const ControlClass made = class_of(design.kind);
    const HWND control = CreateWindowExA(made.ex_style, made.name, "", WS_CHILD | made.style, 0, 0, 0, 0,
                                         parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                         GetModuleHandleA(nullptr), nullptr);
    switch (design.kind) {
    case Kind::Label:
        labels_[design.month - 1] = control;
        SetWindowTextW(control, orr::platform::to_wide(orr::month_name(design.month)).c_str());
        break;
    case Kind::GroupBox:
        GroupBox1 = control;
        forward_to_owner(control, Handle());
        break;
    case Kind::YearBox:
        Year_Edit = control;
        EnableWindow(control, FALSE);
        break;
    case Kind::BitButton:
        SetWindowTextW(control, orr::platform::to_wide(design.accessible_name()).c_str());
        break;
    default: Scaling_ListBox = control; break;
    }
    return control;
}

void TMainForm1::MakeMenuEntry(const Design& design, int id)
{
    if (design.kind == Kind::MenuBar) {
        MainMenu1 = CreateMenu();
        components_[orr::mainform::index_of(design.name)].menu = MainMenu1;
        return;
    }
    const HMENU holder = components_[orr::mainform::index_of(design.parent)].menu;
    if (design.kind == Kind::Menu) {
        const HMENU menu = CreatePopupMenu();
        components_[orr::mainform::index_of(design.name)].menu = menu;
        AppendMenuA(holder, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), design.caption);
    } else if (design.kind == Kind::Separator) {
        AppendMenuA(holder, MF_SEPARATOR, 0, nullptr);
    } else {
        const std::string key = *design.shortcut ? std::string("\t") + design.shortcut : "";
        AppendMenuA(holder, MF_STRING, static_cast<UINT_PTR>(id), (design.caption + key).c_str());
    }
}

void TMainForm1::MakeShortcuts()
{
    // The design names every shortcut as "Ctrl+" and a letter.
    std::vector<ACCEL> keys;
    for (std::size_t index = 0; index < orr::mainform::kComponentCount; ++index) {
        const std::string_view shortcut = orr::mainform::kDesign[index].shortcut;
        if (shortcut.starts_with("Ctrl+") && shortcut.size() == 6)
            keys.push_back({FCONTROL | FVIRTKEY, static_cast<WORD>(shortcut.back()),
                            static_cast<WORD>(control_id(index))});
    }
    shortcuts_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
}

bool TMainForm1::TranslateShortcut(MSG& message) const
{
    return shortcuts_ && TranslateAcceleratorA(Handle(), shortcuts_.get(), &message) != 0;
}

// Made when the mouse first comes over the window, not before the first frame: the hints
// subclass their controls, and under Wine each message to a subclassed control then costs
// a round trip to the server.
void TMainForm1::MakeHints()
{
    // Not owned by the window: Wine keeps a window that owns others out of the topmost
    // band, whoever asks for it.
    hints_ = orr::win32::WindowHandle(orr::win32::make_hint_window(nullptr));
    for (std::size_t index = 0; index < orr::mainform::kComponentCount; ++index) {
        const char* hint = orr::mainform::kDesign[index].hint;
        if (const HWND control = components_[index].window; *hint != '\0' && control)
            orr::win32::add_hint(hints_.get(), {Handle(), reinterpret_cast<UINT_PTR>(control)}, hint);
    }
}

void TMainForm1::ApplyFont(Owned& component)
{
    orr::win32::SharedFont font = fonts_.Get(component.font);
    SendMessageA(component.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The control has the new font before the old one may go.
    component.held = std::move(font);
}

LRESULT TMainForm1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        if (const Design* design = design_of_id(LOWORD(wparam));
            design && design->command != orr::mainform::Command::None) {
            form_.Run(design->command);
            return 0;
        }
        break;
    case WM_TIMER:
        if (wparam == kClockTimer) {
            form_.Run(orr::mainform::design("Timer1").command);
            return 0;
        }
        break;
    case WM_SIZE:
        // A minimised window keeps its layout for when it comes back.
        if (wparam != SIZE_MINIMIZED)
            form_.FormResize(LOWORD(lparam), HIWORD(lparam));
        return 0;
    case WM_SYSCOMMAND:
        // The taskbar button is the application's: minimising that hides this window
        // with it, where a minimised owned window would sit on the desktop.
        if ((wparam & 0xFFF0) == SC_MINIMIZE && Application()) {
            ::ShowWindow(Application(), SW_MINIMIZE);
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        RECT smallest{0, 0, orr::at_density(orr::mainform::kMinimumClientWidth, dpi_),
                      orr::at_density(orr::mainform::kMinimumClientHeight, dpi_)};
        AdjustWindowRectEx(&smallest, kStyle, TRUE, 0);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
        limits->ptMinTrackSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
        return 0;
    }
    case WM_SETCURSOR:
        // Every control passes it up on its way to setting the cursor.
        if (!hints_)
            MakeHints();
        break;
    case WM_CTLCOLORSTATIC:
        return ControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM: DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)); return TRUE;
    case WM_CLOSE:
        orr::guarded([this] { form_.FormCloseQuery(); });
        // A failed save has been reported; the window closes all the same.
        DestroyWindow(Handle());
        return 0;
    case WM_QUERYENDSESSION:
        // The log-off may yet be cancelled: the window stays as it is.
        return TRUE;
    case WM_ENDSESSION:
        // The process ends when this returns; the window is left as the session found it.
        if (wparam)
            orr::guarded([this] { form_.SaveForSession(); });
        return 0;
    case WM_WINDOWPOSCHANGED: FollowTopmost(); break;
    case WM_DESTROY:
        KillTimer(Handle(), kClockTimer);
        PostQuitMessage(0);
        return 0;
    case WM_SETTINGCHANGE:
        // Only top-level windows hear of changed regional settings; the grids read
        // their weekday names again from it.
        for (const auto& calendar : calendars_)
            SendMessageA(calendar->Handle(), message, wparam, lparam);
        break;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    return Window::HandleMessage(message, wparam, lparam);
}

// Another program may put the window into the topmost band or take it out; the check
// mark follows. Only a change counts: the start-up sets the mark before the band.
void TMainForm1::FollowTopmost()
{
    const bool topmost = (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost == topmost_)
        return;
    topmost_ = topmost;
    orr::guarded([this, topmost] { form_.TopmostChangedOutside(topmost); });
}

LRESULT TMainForm1::ControlColour(HDC dc, HWND control)
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    const Design* design = design_of_id(GetDlgCtrlID(control));
    // Until a colour is set the labels keep the window's text colour.
    if (design && design->kind == Kind::Label)
        SetTextColor(dc, label_colours_[design->month - 1].value_or(GetSysColor(COLOR_WINDOWTEXT)));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TMainForm1::DrawButton(const DRAWITEMSTRUCT& item)
{
    const Design* design = design_of_id(static_cast<int>(item.CtlID));
    if (!design)
        return;
    ButtonLook look;
    look.glyph = design->glyph;
    look.caption = design->caption;
    look.font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    look.pressed = (item.itemState & ODS_SELECTED) != 0;
    look.enabled = (item.itemState & ODS_DISABLED) == 0;
    look.focused = (item.itemState & ODS_FOCUS) != 0;
    look.glyph_factor = orr::pixel_art_factor(dpi_);
    paint_glyph_button(item.hDC, item.rcItem, look);
}
