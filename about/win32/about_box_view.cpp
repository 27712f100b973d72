// TAboutBox as the view of orr::AboutForm: each request applied to a child window or
// to a graphic control, which is then drawn again.
#include "about/win32/about_box.h"
#include "about/win32/gif_image.h"
#include "platform/shell_open.h"

using orr::about::Control;

void TAboutBox::SetTimerEnabled(orr::AboutTimer timer, bool enabled)
{
    const bool quote = timer == orr::AboutTimer::Quote_Change_Timer;
    const UINT_PTR id = quote ? kQuoteTimer : kFreeResourcesTimer;
    if (enabled)
        SetTimer(Handle(), id, quote ? kQuoteChangeIntervalMs : kFreeResourcesIntervalMs, nullptr);
    else
        KillTimer(Handle(), id);
}

void TAboutBox::SetLogoAnimate(bool on) { logo_->Animator().SetAnimate(on); }

std::string TAboutBox::Caption(Control control) const { return item(control).caption; }

void TAboutBox::SetCaption(Control control, const std::string& caption)
{
    Item& it = item(control);
    InvalidateRect(Handle(), &it.bounds, FALSE);
    it.caption = caption;
    if (it.window) {
        SetWindowTextA(it.window, caption.c_str());
        return;
    }
    if (it.design->style & orr::about::kAutoSize) {
        FitToText(it);
        UpdateHint(control);
    }
    InvalidateRect(Handle(), &it.bounds, FALSE);
}

void TAboutBox::SetHint(Control control, const std::string& hint)
{
    item(control).hint = hint;
    UpdateHint(control);
}

void TAboutBox::SetVisible(Control control, bool visible)
{
    Item& it = item(control);
    it.visible = visible;
    if (it.window)
        ShowWindow(it.window, visible ? SW_SHOWNA : SW_HIDE);
    InvalidateRect(Handle(), &it.bounds, FALSE);
    UpdateHint(control);
}

int TAboutBox::Top(Control control) const
{
    const Item& it = item(control);
    return it.bounds.top - it.origin.y;
}

void TAboutBox::SetTop(Control control, int top)
{
    Item& it = item(control);
    InvalidateRect(Handle(), &it.bounds, FALSE);
    OffsetRect(&it.bounds, 0, top - Top(control));
    if (it.window)
        SetWindowPos(it.window, nullptr, it.bounds.left, it.bounds.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), &it.bounds, FALSE);
    UpdateHint(control);
}

void TAboutBox::SetHandCursor(Control control)
{
    item(control).hand = true;
    if (control == Control::Vintrel_Logo_GIFImage)
        logo_->SetHandCursor(true);
}

void TAboutBox::SendToBack(Control control)
{
    std::erase(order_, control);
    order_.insert(order_.begin(), control);
    InvalidateRect(Handle(), &item(control).bounds, FALSE);
}

void TAboutBox::HandToShell(const std::string& target) { orr::platform::shell_open(target, owner_); }
