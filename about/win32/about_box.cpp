#include "about/win32/about_box.h"

#include "core/event_guard.h"

namespace {

constexpr const char* kClassName = "TAboutBox";
constexpr int kClientWidth = 591;
constexpr int kClientHeight = 354;
constexpr int kMargin = 16;
constexpr int kLineHeight = 24;
constexpr int kButtonHeight = 26;

void register_class(HINSTANCE instance)
{
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kClassName, &existing))
        return;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
}

HWND child(HWND parent, const char* kind, DWORD style, int top, int height)
{
    return CreateWindowExA(0, kind, "", WS_CHILD | WS_VISIBLE | style, kMargin, top, kClientWidth - 2 * kMargin,
                           height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

} // namespace

TAboutBox::TAboutBox(HWND owner) : owner_(owner)
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    register_class(instance);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT outer{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_DLGMODALFRAME);
    handle_ = CreateWindowExA(WS_EX_DLGMODALFRAME, kClassName, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                              outer.right - outer.left, outer.bottom - outer.top, owner, nullptr, instance, nullptr);
    SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TAboutBox::WindowProc));

    int top = kMargin;
    auto label = [&] {
        const HWND made = child(handle_, "STATIC", SS_LEFT | SS_NOPREFIX, top, kLineHeight);
        top += kLineHeight;
        return made;
    };
    auto button = [&] {
        const HWND made = child(handle_, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, top, kButtonHeight);
        top += kButtonHeight + 4;
        return made;
    };
    ProductName = label();
    Author_and_Date = label();
    Developed_using = label();
    Copyright = label();
    Software_Status = label();
    Comments = label();
    WEB_Page_Label = label();
    Email_Button = button();
    WEB_Button = button();
    const HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (HWND control : {ProductName, Author_and_Date, Developed_using, Copyright, Software_Status, Comments,
                         WEB_Page_Label, Email_Button, WEB_Button})
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

TAboutBox::~TAboutBox()
{
    if (IsWindow(handle_)) {
        SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcA));
        DestroyWindow(handle_);
    }
}

void TAboutBox::SetTexts(const orr::AboutTexts& texts)
{
    SetWindowTextA(handle_, texts.caption.c_str());
    SetWindowTextA(ProductName, texts.product_name.c_str());
    SetWindowTextA(Author_and_Date, texts.author_and_date.c_str());
    SetWindowTextA(Developed_using, texts.developed_using.c_str());
    SetWindowTextA(Copyright, texts.copyright.c_str());
    SetWindowTextA(Software_Status, texts.software_status.c_str());
    SetWindowTextA(Comments, texts.comments.c_str());
    SetWindowTextA(WEB_Page_Label, texts.web_page_label.c_str());
    SetWindowTextA(Email_Button, texts.email_button.c_str());
    SetWindowTextA(WEB_Button, texts.web_button.c_str());
}

void TAboutBox::ShowModal()
{
    // Centred on the screen at every showing.
    RECT outer;
    GetWindowRect(handle_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(handle_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    closed_ = false;
    EnableWindow(owner_, FALSE);
    ShowWindow(handle_, SW_SHOW);
    MSG message;
    while (!closed_) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the outer loop must see the quit too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!IsDialogMessageA(handle_, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // The owner comes back before the box hides, so the focus returns to it.
    EnableWindow(owner_, TRUE);
    ShowWindow(handle_, SW_HIDE);
    SetActiveWindow(owner_);
}

LRESULT CALLBACK TAboutBox::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    auto* self = reinterpret_cast<TAboutBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && (message == WM_CLOSE || (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL))) {
        self->closed_ = true;
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}
