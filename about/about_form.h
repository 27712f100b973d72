// The About window's behaviour, once for both shells: the activation sequence, the
// quotation and free-resources steps, the mail and web links and closing. It acts
// on its window through a view.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "about/about_form_view.h"
#include "about/about_texts.h"
#include "about/quotations.h"
#include "core/click_gesture.h"
#include "platform/executable_path.h"
#include "platform/memory_status.h"

namespace orr {

class AboutForm {
public:
    static constexpr int kQuoteChangeIntervalMs = 10000;
    static constexpr int kFreeResourcesIntervalMs = 500;
    static constexpr int kEscapeKey = 27;
    static constexpr const char* kEmailHint = "Click to send an E-Mail to Vintrel.";
    static constexpr const char* kWebHint = "Click to visit Vintrel's WEB Page.";

    explicit AboutForm(AboutFormView& view);

    // Taken afresh at each use.
    std::function<platform::MemoryStatus()> Memory_Status = [] { return platform::memory_status(); };
    std::function<std::string()> Executable_File_Name = [] { return platform::executable_file_name(); };

    void FormCreate();
    void FormActivate();
    // The product texts the main window's titles give.
    void SetTexts(const AboutTexts& texts);
    // True when the key was handled (Escape).
    bool FormKeyDown(int key);
    // Escape, and a close request from the window manager or the title bar, close the
    // window as OK does.
    void CloseRequested();
    void OKButtonClick();
    void Email_ButtonClick();
    void WEB_ButtonClick();
    void Quote_Change_TimerTimer();
    void Free_Resources_TimerTimer();
    // Each timer's interval, and its handler, run when it fires.
    static int IntervalMs(AboutTimer timer);
    void TimerFired(AboutTimer timer);

    // The handler a click on a control runs; nullptr for a control without one.
    using ClickHandler = void (AboutForm::*)();
    static ClickHandler OnClick(about::Control control);
    // The left button on a control that the window draws itself (nothing: on none); a
    // press and a release on the same control run its click handler.
    void MouseDown(std::optional<about::Control> control) { clicks_.Press(control); }
    void MouseUp(std::optional<about::Control> control);

private:
    void Hand_To_Shell(const std::string& target);
    // Asks the view only on a change: setting a running timer again would restart it.
    void SwitchTimer(AboutTimer timer, bool on);

    AboutFormView& view_;
    QuotationPicker picker_;
    ClickGesture<about::Control> clicks_;
    std::array<bool, 2> timers_on_{}; // by AboutTimer
};

} // namespace orr
