// The About window's controls as both shells keep them: each control's caption, hint,
// visibility, bounds, cursor and stacking, and the window's key preview, changed only
// through the behaviour's view requests; for a shell that draws the graphic controls
// itself, which ones a group box draws, back to front, and which one lies under a point.
// The shell applies each change it is told of.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "about/about_form_view.h"

namespace orr::about {

// A control as the window shows it; bounds are in the window's client area.
struct ControlState {
    const Design* design = nullptr;
    Rect bounds;
    std::string caption;
    std::string hint;
    bool visible = true;
    bool hand = false;
};

enum class Change { Caption, Hint, Visible, Bounds, Cursor, Stacking };

// Every control but the buttons is a graphic control: the window draws it and finds it
// under the mouse. (A shell may give the logo a window of its own to draw itself in; that
// window lets the mouse through.)
constexpr bool is_graphic(Kind kind) { return kind != Kind::Button && kind != Kind::OkButton; }

class Scene : public AboutFormView {
public:
    Scene();

    const ControlState& State(Control control) const { return controls_[static_cast<std::size_t>(control)]; }
    // The visible graphic controls in a group box, back to front.
    std::vector<Control> Drawn(Control group) const;
    // The visible graphic control under a point of the client area. GroupBox2, made
    // later, lies above GroupBox1 where they overlap; outside both there is none.
    std::optional<Control> GraphicAt(Point point) const;
    // The visible graphic controls and the two group boxes as the mouse finds them, top
    // first, each group box after what it holds.
    std::vector<Control> HitOrder() const;

    std::string Caption(Control control) const final { return State(control).caption; }
    void SetCaption(Control control, const std::string& caption) final;
    void SetHint(Control control, const std::string& hint) final;
    void SetVisible(Control control, bool visible) final;
    // Within the parent, as the design gives it.
    int Top(Control control) const final;
    void SetTop(Control control, int top) final;
    void SetHandCursor(Control control) final;
    void SendToBack(Control control) final;

    void SetKeyPreview(bool on) final { key_preview_ = on; }
    // The window's key handler sees each key before the focused control.
    bool KeyPreview() const { return key_preview_; }

protected:
    // A label sized to its text takes the size the shell measures, at once and after
    // each new caption; the shell calls this once its controls are made.
    void FitToText();
    // The size of a control's caption as the shell shows it now.
    virtual Size TextSize(Control control) const = 0;
    // After each change; was holds the bounds before it.
    virtual void Changed(Control control, Change change, const Rect& was) = 0;

private:
    ControlState& Edit(Control control) { return controls_[static_cast<std::size_t>(control)]; }
    void Fit(Control control);

    std::array<ControlState, kControlCount> controls_;
    std::vector<Control> stacking_; // back to front
    bool key_preview_ = false;
};

} // namespace orr::about
