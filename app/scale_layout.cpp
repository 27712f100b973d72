// Proportional scaling: every component's bounds and font recomputed from the layout
// record in proportion to the present client size.
#include <algorithm>

#include "app/main_form.h"

namespace orr {

void MainForm::Scale_Layout()
{
    const std::vector<std::string> record = view_.LayoutLines();
    // Resizes before the record exists change nothing.
    if (record.empty())
        return;
    const Bounds client = view_.ClientRect();
    const ScaleRatios ratios = scale_ratios(client.width, client.height, Get_Field(record.front(), " ", 1),
                                            Get_Field(record.front(), " ", 2));
    const int pixels_per_inch = view_.PixelsPerInch();
    const int count = std::min(view_.ComponentCount(), static_cast<int>(record.size()) - 1);
    for (int i = 0; i < count; ++i) {
        const auto bounds = scaled_bounds(record[i + 1], ratios);
        if (bounds)
            view_.SetComponentBounds(i, *bounds, height_from_point_size(bounds->point_size, pixels_per_inch));
    }
}

} // namespace orr
