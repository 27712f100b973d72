// The layout record: the design client size and every component's bounds and font,
// taken once so that every resize can start again from the design.
#include "app/main_form.h"

namespace orr {

void MainForm::Record_Layout()
{
    // The record is made once per run; a second start-up keeps the first.
    if (!view_.LayoutLines().empty())
        return;
    view_.HideScrollBars();
    const Bounds client = view_.ClientRect();
    view_.AppendLayoutLine(window_line(client.width, client.height));
    const int pixels_per_inch = view_.PixelsPerInch();
    for (int i = 0; i < view_.ComponentCount(); ++i) {
        const auto control = view_.Component(i);
        if (!control) {
            view_.AppendLayoutLine(kNonVisualLine);
            continue;
        }
        const ControlBounds bounds{control->left, control->width, control->top, control->height,
                                   point_size_from_height(control->font_height, pixels_per_inch)};
        view_.AppendLayoutLine(control_line(bounds, control->name));
    }
}

} // namespace orr
