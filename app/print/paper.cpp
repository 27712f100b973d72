#include "app/print/paper.h"

#include <utility>

namespace orr::print {
namespace {

int to_pixels(int points, int pixels_per_inch) { return points * pixels_per_inch / kPointsPerInch; }

} // namespace

Size page_points(const PageSetup& setup)
{
    // ISO A4 is 210 x 297 mm, rounded to whole points as PDF writers do; Letter is 8.5 x 11 in.
    Size size = setup.paper == PaperSize::A4 ? Size{595, 842} : Size{612, 792};
    if (setup.landscape)
        std::swap(size.width, size.height);
    return size;
}

Size page_pixels(const PageSetup& setup, int pixels_per_inch)
{
    const Size points = page_points(setup);
    return {to_pixels(points.width, pixels_per_inch), to_pixels(points.height, pixels_per_inch)};
}

Rect printable_area(const PageSetup& setup, int pixels_per_inch)
{
    const Size page = page_pixels(setup, pixels_per_inch);
    const int margin = to_pixels(kMarginPoints, pixels_per_inch);
    return {margin, margin, page.width - margin, page.height - margin};
}

} // namespace orr::print
