#include "about/about_form.h"

#include "about/free_resources.h"
#include "about/links.h"
#include "core/clock.h"

namespace orr {

using about::Control;

AboutForm::AboutForm(AboutFormView& view) : view_(view) {}

void AboutForm::FormCreate() { picker_.Seed(clock().now()); }

void AboutForm::SetTexts(const AboutTexts& texts)
{
    view_.SetWindowCaption(texts.caption);
    view_.SetCaption(Control::ProductName, texts.product_name);
    view_.SetCaption(Control::Author_and_Date, texts.author_and_date);
    view_.SetCaption(Control::Developed_using, texts.developed_using);
    view_.SetCaption(Control::Copyright, texts.copyright);
    view_.SetCaption(Control::Software_Status, texts.software_status);
    view_.SetCaption(Control::Comments, texts.comments);
    view_.SetCaption(Control::WEB_Page_Label, texts.web_page_label);
    view_.SetCaption(Control::Email_Button, texts.email_button);
    view_.SetCaption(Control::WEB_Button, texts.web_button);
}

bool AboutForm::FormKeyDown(int key)
{
    if (key != kEscapeKey)
        return false;
    CloseRequested();
    return true;
}

void AboutForm::CloseRequested() { OKButtonClick(); }

void AboutForm::OKButtonClick()
{
    SwitchTimer(AboutTimer::Quote_Change_Timer, false);
    SwitchTimer(AboutTimer::Free_Resources_Timer, false);
    // Switching the animation off rewinds the logo to its first frame.
    view_.SetLogoAnimate(false);
    view_.CloseWindow();
}

void AboutForm::Quote_Change_TimerTimer()
{
    view_.SetCaption(Control::Quote_From_Vintrel_Label, kQuotations[picker_.Pick(kQuotations.size())]);
}

void AboutForm::Free_Resources_TimerTimer()
{
    view_.SetCaption(Control::Label4, free_resources_caption(Memory_Status()));
}

int AboutForm::IntervalMs(AboutTimer timer)
{
    return timer == AboutTimer::Quote_Change_Timer ? kQuoteChangeIntervalMs : kFreeResourcesIntervalMs;
}

void AboutForm::TimerFired(AboutTimer timer)
{
    timer == AboutTimer::Quote_Change_Timer ? Quote_Change_TimerTimer() : Free_Resources_TimerTimer();
}

void AboutForm::Email_ButtonClick()
{
    Hand_To_Shell(mail_link(view_.Caption(Control::Email_Button), Executable_File_Name()));
}

void AboutForm::WEB_ButtonClick() { Hand_To_Shell(web_link(view_.Caption(Control::WEB_Button))); }

AboutForm::ClickHandler AboutForm::OnClick(Control control)
{
    switch (control) {
    case Control::OKButton: return &AboutForm::OKButtonClick;
    case Control::Email_Address_Label:
    case Control::Email_Button: return &AboutForm::Email_ButtonClick;
    case Control::WEB_Address_Label:
    case Control::Vintrel_Logo_Banner_Image:
    case Control::Vintrel_Logo_GIFImage:
    case Control::Badge_Logo:
    case Control::Badge_Label:
    case Control::WEB_Button: return &AboutForm::WEB_ButtonClick;
    default: return nullptr;
    }
}

void AboutForm::MouseUp(std::optional<Control> control)
{
    const std::optional<Control> clicked = clicks_.Release(control);
    if (const ClickHandler handler = clicked ? OnClick(*clicked) : nullptr)
        (this->*handler)();
}

void AboutForm::SwitchTimer(AboutTimer timer, bool on)
{
    bool& running = timers_on_[static_cast<std::size_t>(timer)];
    if (running == on)
        return;
    running = on;
    view_.SetTimerEnabled(timer, on);
}

void AboutForm::Hand_To_Shell(const std::string& target)
{
    // What the shell makes of it is not examined: a failure is silent, the window stays.
    if (!target.empty())
        view_.HandToShell(target);
}

} // namespace orr
