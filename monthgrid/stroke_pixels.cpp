#include "monthgrid/stroke_pixels.h"

#include <algorithm>
#include <cstdlib>

namespace orr {

std::optional<Rect> line_pixels(const Line& line, int width)
{
    // A pen's centre lies on the line: half its width before, the rest after.
    const int before = width / 2;
    if (line.from.x == line.to.x) {
        const int left = line.from.x - before;
        const int top = std::min(line.from.y, line.to.y);
        return Rect{left, top, left + width, top + std::abs(line.to.y - line.from.y)};
    }
    if (line.from.y == line.to.y) {
        const int left = std::min(line.from.x, line.to.x);
        const int top = line.from.y - before;
        return Rect{left, top, left + std::abs(line.to.x - line.from.x), top + width};
    }
    return std::nullopt;
}

std::vector<EdgeStrip> raised_inner_edge(const Rect& r, unsigned sides)
{
    std::vector<EdgeStrip> strips;
    strips.reserve(4);
    if (sides & kEdgeRight)
        strips.push_back({{r.right - 1, r.top, r.right, r.bottom}, EdgeShade::Dark});
    if (sides & kEdgeBottom)
        strips.push_back({{r.left, r.bottom - 1, r.right, r.bottom}, EdgeShade::Dark});
    if (sides & kEdgeLeft)
        strips.push_back({{r.left, r.top, r.left + 1, r.bottom}, EdgeShade::Light});
    if (sides & kEdgeTop)
        strips.push_back({{r.left, r.top, r.right, r.top + 1}, EdgeShade::Light});
    return strips;
}

std::vector<EdgeStrip> sunken_client_edge(const Rect& r)
{
    if (r.width() < 3 || r.height() < 3)
        return {};
    const int x = r.left;
    const int y = r.top;
    std::vector<EdgeStrip> strips{{{x, y, x + 1, r.bottom - 1}, EdgeShade::Dark},
                                  {{x, y, r.right - 1, y + 1}, EdgeShade::Dark},
                                  {{x, r.bottom - 1, r.right, r.bottom}, EdgeShade::Light},
                                  {{r.right - 1, y, r.right, r.bottom}, EdgeShade::Light}};
    // The inner ring needs room on both sides of the client.
    if (r.width() > 4 && r.height() > 4) {
        strips.push_back({{x + 1, y + 1, x + 2, r.bottom - 2}, EdgeShade::Shadow});
        strips.push_back({{x + 1, y + 1, r.right - 2, y + 2}, EdgeShade::Shadow});
        strips.push_back({{x + 1, r.bottom - 2, r.right - 1, r.bottom - 1}, EdgeShade::Midlight});
        strips.push_back({{r.right - 2, y + 1, r.right - 1, r.bottom - 1}, EdgeShade::Midlight});
    }
    return strips;
}

std::vector<Point> focus_rect_dots(const Rect& r)
{
    std::vector<Point> dots;
    if (r.empty())
        return dots;
    const auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            dots.push_back({x, y});
    };
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    for (int x = r.left; x <= right; ++x) {
        dot(x, r.top);
        if (bottom != r.top)
            dot(x, bottom);
    }
    for (int y = r.top + 1; y < bottom; ++y) {
        dot(r.left, y);
        if (right != r.left)
            dot(right, y);
    }
    return dots;
}

} // namespace orr
