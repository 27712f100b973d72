// What the About window's behaviour asks of its window: each shell (Qt, Win32)
// implements this view over its own controls, and tests drive it with a recording one.
#pragma once

#include <string>

#include "about/about_layout.h"

namespace orr {

enum class AboutTimer { Quote_Change_Timer, Free_Resources_Timer };

class AboutFormView {
public:
    virtual ~AboutFormView() = default;

    // Asked only on a change: enabled, the timer starts and its first tick comes one
    // full interval later; disabled, it stops.
    virtual void SetTimerEnabled(AboutTimer timer, bool enabled) = 0;
    // The logo's Animate property.
    virtual void SetLogoAnimate(bool on) = 0;

    // The window's own caption, in its title bar.
    virtual void SetWindowCaption(const std::string& caption) = 0;
    virtual std::string Caption(about::Control control) const = 0;
    virtual void SetCaption(about::Control control, const std::string& caption) = 0;
    // A hint shows when the pointer rests on a visible control that has one.
    virtual void SetHint(about::Control control, const std::string& hint) = 0;
    virtual void SetVisible(about::Control control, bool visible) = 0;
    virtual int Top(about::Control control) const = 0;
    virtual void SetTop(about::Control control, int top) = 0;
    virtual void SetHandCursor(about::Control control) = 0;
    virtual void SendToBack(about::Control control) = 0;
    virtual void SetKeyPreview(bool on) = 0;

    // The shell's "open" of a link, owned by the application's window.
    virtual void HandToShell(const std::string& target) = 0;
    // Hides the window; its modal showing returns.
    virtual void CloseWindow() = 0;
};

} // namespace orr
