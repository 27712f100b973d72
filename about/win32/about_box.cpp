#include "about/win32/about_box.h"

#include <algorithm>
#include <commctrl.h>
#include <windowsx.h>

#include "about/ok_glyph.h"
#include "about/win32/about_resources.h"
#include "about/win32/gif_image.h"
#include "about/win32/wic_image.h"
#include "core/event_guard.h"
#include "core/win32/centring.h"
#include "core/win32/resources.h"

using orr::about::Control;
using orr::about::Design;
using orr::about::Kind;
using orr::about::Rect;

namespace {

constexpr orr::win32::WindowClass kAboutBoxClass{"TAboutBox", "About", 0, COLOR_BTNFACE};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
// Command identifiers of the buttons other than OK: this base plus the control's index.
constexpr int kFirstButtonId = 1000;

} // namespace

TAboutBox::TAboutBox(HWND owner) : orr::AboutForm(static_cast<orr::AboutFormView&>(*this)), owner_(owner)
{
    RECT outer{0, 0, orr::about::kClientWidth, orr::about::kClientHeight};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    // Placed on the screen only when it is shown.
    OffsetRect(&outer, -outer.left, -outer.top);
    Create(kAboutBoxClass, {.ex_style = kExStyle, .style = kStyle, .bounds = outer, .parent = owner});
    hints_ = orr::win32::make_hint_window(Handle(), TTS_NOPREFIX);
    {
        const orr::win32::WindowDc screen;
        const orr::win32::SharedFont window_font = Font(orr::about::kWindowFont);
        orr::win32::Selection font(screen.get(), window_font.get());
        TEXTMETRICA metrics{};
        GetTextMetricsA(screen.get(), &metrics);
        frame_top_ = metrics.tmHeight / 2;
    }
    std::uint32_t* bits = nullptr;
    ok_glyph_ = orr::win32::dib_section(orr::about::kOkGlyphSize, orr::about::kOkGlyphSize, bits);
    if (bits) {
        // Alpha is 0 or 255, so the pixels are premultiplied as they are.
        const orr::about::OkGlyph pixels = orr::about::ok_glyph();
        std::copy(pixels.begin(), pixels.end(), bits);
    }
    for (const Design& design : orr::about::kDesign)
        AddControl(design);
    FitToText();
    UpdateHints();
    orr::guarded([this] { FormCreate(); });
}

// The window and its timers go before the fonts and pictures it draws with.
TAboutBox::~TAboutBox() { Destroy(); }

orr::win32::SharedFont TAboutBox::Font(const orr::about::Font& wanted)
{
    // Where a face is missing, the design's family of faces stands in.
    return fonts_.Get({wanted.face, -wanted.pixel_height, wanted.bold, wanted.underline, DEFAULT_CHARSET,
                       static_cast<BYTE>(VARIABLE_PITCH | (wanted.serif ? FF_ROMAN : FF_SWISS))});
}

void TAboutBox::AddControl(const Design& design)
{
    const Rect& bounds = State(design.id).bounds;
    fonts_of_[static_cast<std::size_t>(design.id)] = Font(design.font.face ? design.font
                                                                           : orr::about::kWindowFont);
    HWND& window = windows_[static_cast<std::size_t>(design.id)];
    auto child = [&](const char* kind, DWORD style, int id) {
        const HWND made = CreateWindowExA(0, kind, design.caption, WS_CHILD | WS_VISIBLE | style, bounds.left,
                                          bounds.top, design.width, design.height, Handle(),
                                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                          GetModuleHandleA(nullptr), nullptr);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(design.id)), FALSE);
        return made;
    };
    switch (design.kind) {
    case Kind::Button:
        window = child("BUTTON", BS_PUSHBUTTON, kFirstButtonId + static_cast<int>(design.id));
        break;
    case Kind::OkButton:
        // The only control that takes the focus; Enter reaches it as the default IDOK.
        window = child("BUTTON", BS_OWNERDRAW | WS_TABSTOP, IDOK);
        break;
    case Kind::GifImage:
        logo_ = std::make_unique<TGIFImage>(Handle(),
                                            RECT{bounds.left, bounds.top, bounds.right, bounds.bottom});
        logo_->LoadFromData(orr::win32::resource_bytes(IDR_ABOUT_LOGO));
        logo_->Animator().SetLook(orr::about::kLogoLook);
        window = logo_->Handle();
        break;
    case Kind::Picture:
        // Drawn at twice its size, the banner is scaled down smoothly once, here.
        (design.id == Control::Badge_Logo ? badge_ : banner_) = orr::win32::scaled_image(
            orr::win32::resource_bytes(design.id == Control::Badge_Logo ? IDR_ABOUT_BADGE : IDR_ABOUT_BANNER),
            design.width, design.height);
        break;
    default: break;
    }
}

orr::about::Size TAboutBox::TextSize(Control control) const
{
    const orr::win32::WindowDc screen;
    orr::win32::Selection font(screen.get(), FontOf(control));
    RECT measured{0, 0, 0, 0};
    DrawTextA(screen.get(), State(control).caption.c_str(), -1, &measured, DT_CALCRECT | DT_NOPREFIX);
    return {measured.right, measured.bottom};
}

void TAboutBox::Invalidate(const Rect& area) const
{
    const RECT rect{area.left, area.top, area.right, area.bottom};
    InvalidateRect(Handle(), &rect, FALSE);
}

// The hint window takes the first of its tools that holds the mouse. The buttons are
// tools by their windows; the graphic controls are areas, listed as the mouse finds them,
// top first, each a tool even without a hint, so that it hides the hint of what it lies on.
void TAboutBox::UpdateHints()
{
    for (const Design& design : orr::about::kDesign)
        orr::win32::remove_hint(hints_, HintOf(design.id));
    std::vector<Control> order = HitOrder();
    for (const Design& design : orr::about::kDesign) {
        if (!orr::about::is_graphic(design.kind))
            order.push_back(design.id);
    }
    for (const Control control : order)
        AddHint(control);
}

void TAboutBox::AddHint(Control control)
{
    const orr::about::ControlState& it = State(control);
    if (it.visible && !(Child(control) && it.hint.empty()))
        orr::win32::add_hint(hints_, HintOf(control), it.hint.c_str());
}

orr::win32::HintTool TAboutBox::HintOf(Control control) const
{
    if (const HWND window = Child(control))
        return {Handle(), reinterpret_cast<UINT_PTR>(window)};
    const orr::about::Rect& area = State(control).bounds;
    return {Handle(), static_cast<UINT_PTR>(control) + 1, RECT{area.left, area.top, area.right, area.bottom}};
}

void TAboutBox::SetWindowCaption(const std::string& caption) { SetWindowTextA(Handle(), caption.c_str()); }

void TAboutBox::ShowModal()
{
    if (IsWindowVisible(Handle()))
        return;
    orr::win32::centre_window(Handle(), owner_, orr::win32::CentreOn::Screen);
    closed_ = false;
    EnableWindow(owner_, FALSE);
    ShowWindow(Handle(), SW_SHOW);
    SetFocus(Child(Control::OKButton));
    orr::guarded([this] { FormActivate(); });
    RunModalLoop();
    // The owner comes back before the box hides, so the focus returns to it.
    EnableWindow(owner_, TRUE);
    ShowWindow(Handle(), SW_HIDE);
    SetActiveWindow(owner_);
}

void TAboutBox::RunModalLoop()
{
    MSG message;
    while (!closed_) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the outer loop must see the quit too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        // Key preview: the window's key handler sees each key before the focused control.
        if (KeyPreview() && message.message == WM_KEYDOWN &&
            (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
            bool handled = false;
            orr::guarded([&] { handled = FormKeyDown(static_cast<int>(message.wParam)); });
            if (handled)
                continue;
        }
        if (!IsDialogMessageA(Handle(), &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
}

bool TAboutBox::Command(int id)
{
    // Enter reaches the OK button as the default IDOK, Escape comes as IDCANCEL.
    if (id == IDOK || id == IDCANCEL) {
        id == IDOK ? OKButtonClick() : CloseRequested();
        return true;
    }
    const int index = id - kFirstButtonId;
    if (index < 0 || index >= static_cast<int>(orr::about::kControlCount))
        return false;
    const ClickHandler handler = OnClick(static_cast<Control>(index));
    if (handler)
        (this->*handler)();
    return handler != nullptr;
}

LRESULT TAboutBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED && Command(LOWORD(wparam)))
            return 0;
        break;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_TIMER: TimerFired(static_cast<orr::AboutTimer>(wparam - kFirstTimer)); return 0;
    case WM_CLOSE: CloseRequested(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const orr::win32::PaintScope paint(Handle());
        const RECT client{0, 0, orr::about::kClientWidth, orr::about::kClientHeight};
        PaintScene(orr::win32::BackBuffer(paint.dc(), {client.right, client.bottom}, client).get());
        return 0;
    }
    case WM_PRINTCLIENT: PaintScene(reinterpret_cast<HDC>(wparam)); return 0;
    case WM_DRAWITEM: {
        const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (draw.CtlID != IDOK)
            break;
        PaintOkButton(draw);
        return TRUE;
    }
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) == Handle() && LOWORD(lparam) == HTCLIENT) {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(Handle(), &at);
            const std::optional<Control> hit = GraphicAt({at.x, at.y});
            if (hit && State(*hit).hand) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        SetCapture(Handle());
        MouseDown(GraphicAt({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}));
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        MouseUp(GraphicAt({GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}));
        return 0;
    }
    return Window::HandleMessage(message, wparam, lparam);
}
