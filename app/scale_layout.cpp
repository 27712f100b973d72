// Proportional scaling: every component's bounds and font recomputed from the layout
// record in proportion to the present client size.
#include "app/main_form.h"

namespace orr {

void MainForm::Scale_Layout(int client_width, int client_height)
{
    // Resizes before the record exists change nothing.
    if (!layout_)
        return;
    const ScaleRatios ratios = scale_ratios(client_width, client_height, layout_->width, layout_->height);
    const int pixels_per_inch = view_.PixelsPerInch();
    std::vector<ControlPlacement> batch;
    for (std::size_t i = 0; i < layout_->controls.size(); ++i) {
        if (!layout_->controls[i])
            continue;
        const ControlBounds b = scaled(*layout_->controls[i], ratios);
        batch.push_back({static_cast<int>(i), {b.left, b.top, b.width, b.height},
                         height_from_point_size(b.point_size, pixels_per_inch)});
    }
    view_.PlaceControls(batch);
}

} // namespace orr
