// TAboutBox as the view of orr::AboutForm: each change of a control applied to its child
// window or to the graphic control, which is then drawn again.
#include "about/win32/about_box.h"
#include "about/win32/gif_image.h"
#include "platform/shell_open.h"

using orr::about::Change;
using orr::about::Control;

void TAboutBox::SetTimerEnabled(orr::AboutTimer timer, bool enabled)
{
    const UINT_PTR id = kFirstTimer + static_cast<UINT_PTR>(timer);
    if (enabled)
        SetTimer(Handle(), id, static_cast<UINT>(IntervalMs(timer)), nullptr);
    else
        KillTimer(Handle(), id);
}

void TAboutBox::SetLogoAnimate(bool on) { logo_->Animator().SetAnimate(on); }

void TAboutBox::Changed(Control control, Change change, const orr::about::Rect& was)
{
    const orr::about::ControlState& it = State(control);
    const HWND window = Child(control);
    // The cursor is set as the mouse moves, from the scene.
    if (change == Change::Cursor)
        return;
    if (window && change == Change::Caption)
        SetWindowTextA(window, it.caption.c_str());
    if (window && change == Change::Visible)
        ShowWindow(window, it.visible ? SW_SHOWNA : SW_HIDE);
    if (window && change == Change::Bounds)
        SetWindowPos(window, nullptr, it.bounds.left, it.bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(was);
    Invalidate(it.bounds);
    // A new caption alone moves no tool; a label resized to it comes as a change of bounds.
    if (change != Change::Caption)
        UpdateHints();
}

void TAboutBox::HandToShell(const std::string& target) { orr::platform::shell_open(target, owner_); }
