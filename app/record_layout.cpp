// The layout record: the design client size and every component's bounds and font,
// taken once so that every resize can start again from the design.
#include "app/main_form.h"

namespace orr {

void MainForm::Record_Layout()
{
    // The record is made once per run; a second start-up keeps the first.
    if (layout_)
        return;
    view_.HideScrollBars();
    const Bounds client = view_.ClientRect();
    LayoutRecord record{client.width, client.height, {}};
    std::vector<std::string> lines{window_line(client.width, client.height)};
    // The controls stand where the design put them, at the density they were made at.
    const int made_at = view_.DesignDensity();
    const int pixels_per_inch = view_.PixelsPerInch();
    for (const mainform::Design& design : mainform::kDesign) {
        if (!design.visual()) {
            record.controls.emplace_back();
            lines.emplace_back(kNonVisualLine);
            continue;
        }
        const Bounds at = mainform::bounds_at(design, made_at);
        const ControlBounds bounds{at.left, at.top, at.width, at.height,
                                   point_size_from_height(at_density(-design.font.pixel_height, made_at),
                                                          pixels_per_inch)};
        record.controls.push_back(bounds);
        lines.push_back(control_line(bounds, design.name));
    }
    layout_ = std::move(record);
    view_.MirrorLayoutRecord(lines);
}

} // namespace orr
