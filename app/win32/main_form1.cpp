#include "app/win32/main_form1.h"

#include <commctrl.h>

#include "about/win32/about_box.h"
#include "app/scaling/screen_density.h"
#include "app/control_texts.h"
#include "app/win32/control_ids.h"
#include "app/win32/glyph_button.h"
#include "app/win32/group_box.h"
#include "app/win32/resource.h"
#include "app/win32/speed_button.h"
#include "app/win32/window_dpi.h"
#include "core/event_guard.h"
#include "core/product.h"
#include "monthgrid/date_names.h"
#include "monthgrid/win32/calendar.h"
#include "monthgrid/win32/window_text.h"

namespace {

constexpr const char* kClassName = "TMainForm1";
constexpr RECT kDesignBounds{113, 41, 113 + 660, 41 + 629};
constexpr UINT_PTR kClockTimer = 1;
constexpr UINT kClockIntervalMs = 100;

// Design layout: three columns and four rows of months.
constexpr std::array<int, 3> kMonthLefts{5, 220, 436};
constexpr std::array<int, 4> kLabelTops{3, 133, 263, 393};
constexpr std::array<int, 4> kCalendarTops{20, 150, 280, 410};
constexpr int kLabelWidth = 205;
constexpr int kLabelHeight = 16;
constexpr int kCalendarWidth = 210;
constexpr int kCalendarHeight = 110;

const FontChoice kWindowFont{"System", -13, false};
const FontChoice kGridFont{"Times New Roman", -13, false};
const FontChoice kRowFont{"Times New Roman", -16, false};
const FontChoice kBoldRowFont{"Times New Roman", -16, true};

RECT bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

void register_class(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = DefWindowProcA;  // replaced once the window knows its object
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_ORRINDALE));
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

} // namespace

TMainForm1::TMainForm1(HINSTANCE instance) : orr::MainForm(static_cast<orr::MainFormView&>(*this))
{
    register_class(instance);
    handle_ = CreateWindowExA(0, kClassName, orr::kProductTitle, Style(), kDesignBounds.left, kDesignBounds.top,
                              kDesignBounds.right - kDesignBounds.left, kDesignBounds.bottom - kDesignBounds.top,
                              nullptr, nullptr, instance, nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMainForm1::WindowProc));
    // The controls are made at the density of the window's monitor; the layout record
    // taken from them at start-up then scales them in proportion, as at 96.
    dpi_ = window_dpi(handle_);
    CreateMenu();
    CreateMonths();
    CreateButtonRow();
    // Never shown: it only keeps the layout record.
    Scaling_ListBox = AddControl("Scaling_ListBox", "LISTBOX", LBS_NOINTEGRALHEIGHT, handle_, kIdScalingListBox,
                                 bounds(660, 8, 25, 29), kWindowFont);
    AddNonVisual("Timer1");
    SetTimer(handle_, kClockTimer, kClockIntervalMs, nullptr);
    CreateHints();
}

TMainForm1::~TMainForm1()
{
    if (IsWindow(handle_)) {
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
        DestroyWindow(handle_);
    }
}

DWORD TMainForm1::Style() const { return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN; }

void TMainForm1::CreateMenu()
{
    MainMenu1 = ::CreateMenu();
    AddNonVisual("MainMenu1");
    const HMENU file = CreatePopupMenu();
    const HMENU help = CreatePopupMenu();
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AddNonVisual("FileMenu");
    auto item = [this](HMENU menu, const char* name, UINT id, const char* caption) {
        AppendMenuA(menu, id == 0 ? MF_SEPARATOR : MF_STRING, id, caption);
        AddNonVisual(name);
    };
    item(file, "Always_On_Top_Option", kIdAlwaysOnTop, "Always &On Top");
    item(file, "Auto_Run_at_Windows_Startup_Option", kIdAutoRun, "&Auto-Run at Windows Startup");
    item(file, "Restore_Factory_Defaults_Option", kIdRestoreDefaults, "&Restore Factory Defaults");
    item(file, "N2", 0, nullptr);
    item(file, "ExitOption", kIdExit, "E&xit");
    AppendMenuA(MainMenu1, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    AddNonVisual("HelpMenu");
    item(help, "View_Readme_file_Option", kIdViewReadme, "&View Readme file");
    item(help, "View_Shareware_Catalog_Option", kIdViewCatalog, "View &Shareware Catalog");
    item(help, "N1", 0, nullptr);
    item(help, "AboutOption", kIdAbout, "&About");
    SetMenu(handle_, MainMenu1);
}

void TMainForm1::CreateMonths()
{
    for (int month = 1; month <= kMonths; ++month) {
        const int left = kMonthLefts[(month - 1) % 3];
        const int row = (month - 1) / 3;
        const std::string label_name = "Label" + std::to_string(month);
        labels_[month - 1] = AddControl(label_name.c_str(), "STATIC", WS_VISIBLE | SS_CENTER | SS_NOPREFIX, handle_,
                                        kIdFirstLabel + month - 1,
                                        bounds(left, kLabelTops[row], kLabelWidth, kLabelHeight), kWindowFont);
        set_window_text(labels_[month - 1], orr::month_name(month));

        auto calendar = std::make_unique<TCalendar>(handle_, kIdFirstCalendar + month - 1);
        calendar->SetTabStop(false);
        calendar->SetReadOnly(true);
        calendar->SetStartOfWeek(0);
        calendar->SetUseCurrentDate(false);
        calendar->Grid().SetGridLineWidth(orr::at_density(1, dpi_));
        Adopt("Calendar" + std::to_string(month), calendar->Handle(),
              bounds(left, kCalendarTops[row], kCalendarWidth, kCalendarHeight), kGridFont);
        calendars_[month - 1] = std::move(calendar);
    }
}

void TMainForm1::CreateButtonRow()
{
    GroupBox1 = AddControl("GroupBox1", "BUTTON", WS_VISIBLE | BS_GROUPBOX, handle_, kIdGroupBox, bounds(8, 522, 637, 49),
                           kRowFont);
    forward_to_owner(GroupBox1, handle_);
    Last_Year_SpeedButton = std::make_unique<TSpeedButton>(GroupBox1, kIdLastYear, orr::Glyph::LeftArrow);
    Last_Year_SpeedButton->SetGlyphFactor(orr::pixel_art_factor(dpi_));
    Adopt("Last_Year_SpeedButton", Last_Year_SpeedButton->Handle(), bounds(84, 17, 23, 22), kRowFont);
    // Never drawn: the glyph speaks to the eye, the text to a screen reader.
    set_window_text(Last_Year_SpeedButton->Handle(), orr::kLastYearButtonTexts.name());
    // Read-only and disabled: the text shows in the disabled colour and takes no focus.
    Year_Edit = AddControl("Year_Edit", "EDIT", WS_VISIBLE | ES_READONLY | ES_LEFT | ES_AUTOHSCROLL, GroupBox1, kIdYearEdit,
                           bounds(107, 17, 75, 23), kBoldRowFont, WS_EX_CLIENTEDGE);
    EnableWindow(Year_Edit, FALSE);
    Next_Year_SpeedButton = std::make_unique<TSpeedButton>(GroupBox1, kIdNextYear, orr::Glyph::RightArrow);
    Next_Year_SpeedButton->SetGlyphFactor(orr::pixel_art_factor(dpi_));
    Adopt("Next_Year_SpeedButton", Next_Year_SpeedButton->Handle(), bounds(183, 17, 23, 22), kRowFont);
    set_window_text(Next_Year_SpeedButton->Handle(), orr::kNextYearButtonTexts.name());
    Current_Year_BitBtn = AddControl("Current_Year_BitBtn", "BUTTON", WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP, GroupBox1,
                                     kIdCurrentYear, bounds(243, 13, 150, 30), kBoldRowFont);
    set_window_text(Current_Year_BitBtn, orr::kCurrentYearButtonTexts.name());
    Exit_BitBtn = AddControl("Exit_BitBtn", "BUTTON", WS_VISIBLE | BS_OWNERDRAW | WS_TABSTOP, GroupBox1, kIdExitButton,
                             bounds(430, 13, 150, 30), kBoldRowFont);
    set_window_text(Exit_BitBtn, orr::kExitButtonTexts.name());
}

void TMainForm1::CreateHints()
{
    hints_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    auto hint = [this](HWND control, const char* text) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = handle_;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = const_cast<char*>(text);
        SendMessageA(hints_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    };
    hint(Last_Year_SpeedButton->Handle(), orr::kLastYearButtonTexts.hint);
    hint(Next_Year_SpeedButton->Handle(), orr::kNextYearButtonTexts.hint);
    hint(Current_Year_BitBtn, orr::kCurrentYearButtonTexts.hint);
    hint(Exit_BitBtn, orr::kExitButtonTexts.hint);
}

HWND TMainForm1::AddControl(const char* name, const char* kind, DWORD style, HWND parent, int id, RECT design,
                            FontChoice font, DWORD ex_style)
{
    const RECT at = AtDensity(design);
    const HWND control =
        CreateWindowExA(ex_style, kind, "", WS_CHILD | style, at.left, at.top, at.right - at.left, at.bottom - at.top,
                        parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    font.height = orr::at_density(font.height, dpi_);
    components_.emplace_back(name, control, std::move(font));
    ApplyFont(components_.back());
    return control;
}

void TMainForm1::Adopt(const std::string& name, HWND window, RECT design, FontChoice font)
{
    const RECT at = AtDensity(design);
    SetWindowPos(window, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top, SWP_NOZORDER | SWP_NOACTIVATE);
    font.height = orr::at_density(font.height, dpi_);
    components_.emplace_back(name, window, std::move(font));
    ApplyFont(components_.back());
}

RECT TMainForm1::AtDensity(const RECT& design) const
{
    return {orr::at_density(design.left, dpi_), orr::at_density(design.top, dpi_), orr::at_density(design.right, dpi_),
            orr::at_density(design.bottom, dpi_)};
}

void TMainForm1::ApplyFont(Owned& component)
{
    SharedFont font = fonts_.Get(component.font);
    SendMessageA(component.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The control has the new font before the old one may go.
    component.held = std::move(font);
}

void TMainForm1::Show()
{
    orr::guarded([this] { FormShow(); });
    if (!IsWindowVisible(handle_))
        ::ShowWindow(handle_, SW_SHOWNORMAL);
}

LRESULT CALLBACK TMainForm1::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<TMainForm1*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    return self->Handle(message, wparam, lparam);
}

LRESULT TMainForm1::Handle(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        if (Command(LOWORD(wparam)))
            return 0;
        break;
    case WM_TIMER:
        if (wparam == kClockTimer) {
            orr::guarded([this] { Timer1Timer(); });
            return 0;
        }
        break;
    case WM_SIZE:
        // A minimised window keeps its layout for when it comes back.
        if (wparam != SIZE_MINIMIZED)
            orr::guarded([this] { FormResize(); });
        return 0;
    case WM_GETMINMAXINFO: {
        // Small enough to shrink freely, large enough to keep the menu bar reachable.
        RECT smallest{0, 0, orr::at_density(160, dpi_), orr::at_density(120, dpi_)};
        AdjustWindowRectEx(&smallest, Style(), TRUE, 0);
        auto* limits = reinterpret_cast<MINMAXINFO*>(lparam);
        limits->ptMinTrackSize = {smallest.right - smallest.left, smallest.bottom - smallest.top};
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        return ControlColour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_DRAWITEM:
        DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        return TRUE;
    case WM_CLOSE:
        orr::guarded([this] { FormCloseQuery(); });
        // A failed save has been reported; the window closes all the same.
        DestroyWindow(handle_);
        return 0;
    case WM_QUERYENDSESSION:
        // The session may still be cancelled: the settings are saved, the window stays.
        orr::guarded([this] { FormCloseQuery(); });
        return TRUE;
    case WM_DESTROY:
        KillTimer(handle_, kClockTimer);
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
        SetWindowPos(handle_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    }
    return DefWindowProcA(handle_, message, wparam, lparam);
}

bool TMainForm1::Command(int id)
{
    using Handler = void (orr::MainForm::*)();
    Handler handler = nullptr;
    switch (id) {
    case kIdLastYear: handler = &orr::MainForm::Last_Year_SpeedButtonClick; break;
    case kIdNextYear: handler = &orr::MainForm::Next_Year_SpeedButtonClick; break;
    case kIdCurrentYear: handler = &orr::MainForm::Current_Year_BitBtnClick; break;
    case kIdExitButton: handler = &orr::MainForm::Exit_BitBtnClick; break;
    case kIdAlwaysOnTop: handler = &orr::MainForm::Always_On_Top_OptionClick; break;
    case kIdAutoRun: handler = &orr::MainForm::Auto_Run_at_Windows_Startup_OptionClick; break;
    case kIdRestoreDefaults: handler = &orr::MainForm::Restore_Factory_Defaults_OptionClick; break;
    case kIdExit: handler = &orr::MainForm::ExitOptionClick; break;
    case kIdAbout: handler = &orr::MainForm::AboutOptionClick; break;
    case kIdViewReadme: handler = &orr::MainForm::View_Readme_file_OptionClick; break;
    case kIdViewCatalog: handler = &orr::MainForm::View_Shareware_Catalog_OptionClick; break;
    default: return false;
    }
    orr::guarded([this, handler] { (this->*handler)(); });
    return true;
}

LRESULT TMainForm1::ControlColour(HDC dc, HWND control)
{
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    for (int month = 1; month <= kMonths; ++month) {
        if (labels_[month - 1] == control) {
            // Until a colour is set the labels keep the window's text colour.
            SetTextColor(dc, label_colours_[month - 1].value_or(GetSysColor(COLOR_WINDOWTEXT)));
            break;
        }
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void TMainForm1::DrawButton(const DRAWITEMSTRUCT& item)
{
    ButtonLook look;
    look.glyph = item.hwndItem == Exit_BitBtn ? orr::Glyph::Door : orr::Glyph::CalendarPage;
    char caption[64] = {};
    GetWindowTextA(item.hwndItem, caption, sizeof caption);
    look.caption = caption;
    look.font = reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    look.pressed = (item.itemState & ODS_SELECTED) != 0;
    look.enabled = (item.itemState & ODS_DISABLED) == 0;
    look.focused = (item.itemState & ODS_FOCUS) != 0;
    look.glyph_factor = orr::pixel_art_factor(dpi_);
    paint_glyph_button(item.hDC, item.rcItem, look);
}
