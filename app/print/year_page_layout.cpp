#include "app/print/year_page_layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace orr::print {
namespace {

using mainform::Design;

// The heading above the months, in window pixels.
constexpr int kHeadingHeight = 48;
constexpr mainform::Font kHeadingFont{"Times New Roman", 32, true};

const Design& month_part(const char* prefix, int month)
{
    return mainform::design((std::string(prefix) + std::to_string(month)).c_str());
}

// The months as the window places them: the box around every label and grid.
Rect months_box()
{
    Rect box{month_part("Label", 1).left, month_part("Label", 1).top, 0, 0};
    for (int month = 1; month <= kMonths; ++month) {
        for (const Design* d : {&month_part("Label", month), &month_part("Calendar", month)}) {
            box.left = std::min(box.left, d->left);
            box.top = std::min(box.top, d->top);
            box.right = std::max(box.right, d->left + d->width);
            box.bottom = std::max(box.bottom, d->top + d->height);
        }
    }
    return box;
}

class Scaler {
public:
    Scaler(const Rect& printable, const Rect& design) : design_(design)
    {
        scale_ = std::min(static_cast<double>(printable.width()) / design.width(),
                          static_cast<double>(printable.height()) / design.height());
        origin_ = {printable.left + static_cast<int>((printable.width() - design.width() * scale_) / 2),
                   printable.top + static_cast<int>((printable.height() - design.height() * scale_) / 2)};
    }
    // Corners scaled, so that neighbours still meet.
    Rect rect(int left, int top, int width, int height) const
    {
        return {x(left), y(top), x(left + width), y(top + height)};
    }
    Rect rect(const Design& d) const { return rect(d.left, d.top, d.width, d.height); }
    int length(int window_pixels) const
    {
        return std::max(1, static_cast<int>(std::lround(window_pixels * scale_)));
    }
    mainform::Font font(const mainform::Font& f) const { return {f.face, length(f.pixel_height), f.bold}; }

private:
    int x(int design_x) const
    {
        return origin_.x + static_cast<int>(std::lround((design_x - design_.left) * scale_));
    }
    int y(int design_y) const
    {
        return origin_.y + static_cast<int>(std::lround((design_y - design_.top) * scale_));
    }

    Rect design_;
    double scale_ = 1;
    Point origin_;
};

} // namespace

YearPageLayout lay_out_year_page(const Rect& printable)
{
    const Rect months = months_box();
    const Rect page{months.left, months.top - kHeadingHeight, months.right, months.bottom};
    const Scaler scale(printable, page);
    YearPageLayout layout;
    layout.heading = scale.rect(page.left, page.top, page.width(), kHeadingHeight);
    layout.heading_font = scale.font(kHeadingFont);
    for (int month = 1; month <= kMonths; ++month) {
        layout.labels[month - 1] = scale.rect(month_part("Label", month));
        layout.grids[month - 1] = scale.rect(month_part("Calendar", month));
    }
    layout.label_font = scale.font(month_part("Label", 1).font);
    layout.grid_font = scale.font(month_part("Calendar", 1).font);
    layout.line_width = scale.length(1);
    return layout;
}

} // namespace orr::print
