// The activation sequence, run once at every showing of the About window.
#include "about/about_form.h"
#include "core/clock.h"

namespace orr {

using about::Control;

namespace {

constexpr Control kHandCursorControls[] = {Control::Email_Address_Label,
                                           Control::WEB_Address_Label,
                                           Control::Badge_Label,
                                           Control::Badge_Logo,
                                           Control::Vintrel_Logo_GIFImage,
                                           Control::Vintrel_Logo_Banner_Image,
                                           Control::Bevel3,
                                           Control::Bevel1};

} // namespace

void AboutForm::FormActivate()
{
    picker_.Seed(clock().now());
    SwitchTimer(AboutTimer::Quote_Change_Timer, true);
    SwitchTimer(AboutTimer::Free_Resources_Timer, true);
    view_.SetLogoAnimate(true);
    // Both show at once, before the first tick of either timer.
    Quote_Change_TimerTimer();
    Free_Resources_TimerTimer();

    // From here on the same state however often it runs.
    view_.SetHint(Control::Email_Button, kEmailHint);
    view_.SetHint(Control::WEB_Button, kWebHint);
    view_.SetVisible(Control::Email_Button, false);
    view_.SetVisible(Control::WEB_Button, false);
    view_.SetHint(Control::Email_Address_Label, kEmailHint);
    view_.SetHint(Control::WEB_Address_Label, kWebHint);
    // Each link moves onto the row of its lead-in label.
    view_.SetTop(Control::Email_Address_Label, view_.Top(Control::Email_Button));
    view_.SetTop(Control::WEB_Address_Label, view_.Top(Control::WEB_Button));
    // The button captions are the links' only store.
    view_.SetCaption(Control::Email_Address_Label, view_.Caption(Control::Email_Button));
    view_.SetCaption(Control::WEB_Address_Label, view_.Caption(Control::WEB_Button));
    for (Control control : kHandCursorControls)
        view_.SetHandCursor(control);
    view_.SendToBack(Control::Bevel3);
    view_.SendToBack(Control::Bevel1);
    view_.SetKeyPreview(true);
}

} // namespace orr
