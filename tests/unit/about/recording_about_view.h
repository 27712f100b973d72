// An About window without any toolkit: it keeps what a real window would show and
// logs every change in order, so tests of orr::AboutForm check results and sequence.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "about/about_form_view.h"

namespace orr::test {

class RecordingAboutView : public AboutFormView {
public:
    using Control = about::Control;

    RecordingAboutView()
    {
        for (const about::Design& d : about::kDesign) {
            captions[d.id] = d.caption;
            tops[d.id] = d.top;
            order.push_back(d.id);
        }
        captions[Control::Email_Button] = "support@orrindale.example";
        captions[Control::WEB_Button] = "https://orrindale.example/";
    }

    void SetTimerEnabled(AboutTimer timer, bool enabled) override
    {
        log.push_back(std::string(timer == AboutTimer::Quote_Change_Timer ? "Quote" : "Free") +
                      (enabled ? "On" : "Off"));
        timers[timer] = enabled;
    }
    void SetLogoAnimate(bool on) override
    {
        log.push_back(on ? "AnimateOn" : "AnimateOff");
        animate = on;
    }
    void SetWindowCaption(const std::string& caption) override { window_caption = caption; }
    std::string Caption(Control control) const override { return captions.at(control); }
    void SetCaption(Control control, const std::string& caption) override
    {
        log.push_back(std::string("Caption ") + about::design(control).name);
        captions[control] = caption;
    }
    void SetHint(Control control, const std::string& hint) override
    {
        log.push_back(std::string("Hint ") + about::design(control).name);
        hints[control] = hint;
    }
    void SetVisible(Control control, bool visible) override
    {
        log.push_back(std::string(visible ? "Show " : "Hide ") + about::design(control).name);
        if (visible)
            hidden.erase(control);
        else
            hidden.insert(control);
    }
    int Top(Control control) const override { return tops.at(control); }
    void SetTop(Control control, int top) override
    {
        log.push_back(std::string("Top ") + about::design(control).name);
        tops[control] = top;
    }
    void SetHandCursor(Control control) override
    {
        log.push_back(std::string("Hand ") + about::design(control).name);
        hand.insert(control);
    }
    void SendToBack(Control control) override
    {
        log.push_back(std::string("Back ") + about::design(control).name);
        std::erase(order, control);
        order.insert(order.begin(), control);
    }
    void SetKeyPreview(bool on) override
    {
        log.push_back("KeyPreview");
        key_preview = on;
    }
    void HandToShell(const std::string& target) override
    {
        log.push_back("Shell");
        handed.push_back(target);
    }
    void CloseWindow() override
    {
        log.push_back("Close");
        closed = true;
    }

    bool operator==(const RecordingAboutView& other) const
    {
        return timers == other.timers && animate == other.animate && captions == other.captions &&
               hints == other.hints && hidden == other.hidden && tops == other.tops && hand == other.hand &&
               order == other.order && key_preview == other.key_preview;
    }

    std::vector<std::string> log;
    std::map<AboutTimer, bool> timers;
    bool animate = false;
    std::string window_caption;
    std::map<Control, std::string> captions;
    std::map<Control, std::string> hints;
    std::set<Control> hidden;
    std::map<Control, int> tops;
    std::set<Control> hand;
    std::vector<Control> order; // drawing order, back to front
    bool key_preview = false;
    std::vector<std::string> handed;
    bool closed = false;
};

} // namespace orr::test
