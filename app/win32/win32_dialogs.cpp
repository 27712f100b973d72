#include "app/win32/win32_dialogs.h"

#include <commctrl.h>

#include "app/main_form_design.h"
#include "core/win32/centring.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr char kDialogClass[] = "#32770";
constexpr UINT_PTR kSubclassId = 1;

UINT icon_of(orr::BoxKind kind)
{
    switch (kind) {
    case orr::BoxKind::Information: return MB_ICONINFORMATION;
    case orr::BoxKind::Warning: return MB_ICONWARNING;
    case orr::BoxKind::Error: return MB_ICONERROR;
    }
    return MB_ICONINFORMATION;
}

bool is_dialog(HWND window)
{
    char name[sizeof kDialogClass + 1] = {};
    return GetClassNameA(window, name, sizeof name) > 0 && lstrcmpA(name, kDialogClass) == 0;
}

// One box on screen. A thread-local hook catches the box as the system has laid it out
// (WM_INITDIALOG has returned), so that the system's own placement never comes after ours:
// it gets our button texts (the system's are localised) and is centred, and a Yes/No box is
// subclassed so that Escape answers No: Windows ignores Escape there, Wine answers IDCANCEL.
// The callbacks make only C calls and are noexcept, so they need no event guard (which
// would report through these very boxes).
class BoxSession {
public:
    BoxSession(HWND owner, bool yes_no)
        : owner_(owner), yes_no_(yes_no), outer_(current_),
          hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, &BoxSession::laid_out, nullptr, GetCurrentThreadId()))
    {
        current_ = this;
    }

    ~BoxSession()
    {
        if (hook_)
            UnhookWindowsHookEx(hook_);
        if (box_)
            RemoveWindowSubclass(box_, &BoxSession::box_proc, kSubclassId);
        current_ = outer_;
    }

    BoxSession(const BoxSession&) = delete;
    BoxSession& operator=(const BoxSession&) = delete;

private:
    static LRESULT CALLBACK laid_out(int code, WPARAM wparam, LPARAM lparam) noexcept
    {
        const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lparam);
        if (code == HC_ACTION && sent->message == WM_INITDIALOG && current_)
            current_->adopt(sent->hwnd);
        return CallNextHookEx(nullptr, code, wparam, lparam);
    }

    static LRESULT CALLBACK box_proc(HWND box, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                     DWORD_PTR data) noexcept
    {
        auto* session = reinterpret_cast<BoxSession*>(data);
        if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
            EndDialog(box, IDNO);
            return 0;
        }
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(box, &BoxSession::box_proc, kSubclassId);
            session->box_ = nullptr;
        }
        return DefSubclassProc(box, message, wparam, lparam);
    }

    // Only the first dialog laid out after MessageBoxW is called is ours.
    void adopt(HWND window)
    {
        if (adopted_ || !is_dialog(window))
            return;
        adopted_ = true;
        if (yes_no_) {
            SetDlgItemTextA(window, IDYES, orr::mainform::kYesText);
            SetDlgItemTextA(window, IDNO, orr::mainform::kNoText);
        } else {
            SetDlgItemTextA(window, IDOK, orr::mainform::kOkText);
        }
        orr::win32::centre_window(window, owner_, orr::win32::CentreOn::WorkArea);
        if (yes_no_ &&
            SetWindowSubclass(window, &BoxSession::box_proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
            box_ = window;
    }

    static thread_local BoxSession* current_;

    HWND owner_;
    bool yes_no_;
    BoxSession* outer_;
    HHOOK hook_;
    bool adopted_ = false;
    HWND box_ = nullptr;
};

thread_local BoxSession* BoxSession::current_ = nullptr;

} // namespace

orr::BoxAnswer Win32Dialogs::show(const orr::BoxRequest& box)
{
    const bool yes_no = box.buttons == orr::BoxButtons::YesNo;
    // Owned by the main window, so the box stays above it even while the window is on top.
    const UINT style = icon_of(box.kind) | MB_APPLMODAL | (yes_no ? MB_YESNO | MB_DEFBUTTON1 : MB_OK);
    int answer = 0;
    {
        BoxSession session(owner_, yes_no);
        // Wide, so that a folder's name shows as it is whatever the code page.
        answer = MessageBoxW(owner_, orr::platform::to_wide(box.text).c_str(),
                             orr::platform::to_wide(box.caption).c_str(), style);
    }
    if (!yes_no)
        return orr::BoxAnswer::Ok;
    return answer == IDYES ? orr::BoxAnswer::Yes : orr::BoxAnswer::No;
}
