// A click is a press and a release of the mouse button on the same control. A shell
// names the control under the pointer at each (nothing: no control there); a release
// that is not on the pressed control clicks nothing.
#pragma once

#include <optional>
#include <utility>

namespace orr {

template <typename Control>
class ClickGesture {
public:
    void Press(std::optional<Control> under) { pressed_ = under; }
    // The control this release clicks, if any; the gesture ends either way.
    std::optional<Control> Release(std::optional<Control> under)
    {
        const std::optional<Control> pressed = std::exchange(pressed_, std::nullopt);
        return pressed && pressed == under ? pressed : std::nullopt;
    }
    // The mouse was taken away before the release.
    void Cancel() { pressed_.reset(); }
    bool Pressed() const { return pressed_.has_value(); }

private:
    std::optional<Control> pressed_;
};

} // namespace orr
