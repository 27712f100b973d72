#include "app/scaling/layout_record.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orr {
namespace {

constexpr int kPointsPerInch = 72;

int round_half_away(double value)
{
    return static_cast<int>(std::lround(value));
}

int truncated(int value, double ratio)
{
    return static_cast<int>(std::trunc(value * ratio));
}

} // namespace

int Extract_Integer(std::string_view text)
{
    std::string kept;
    for (const char c : text) {
        const bool sign = c == '+' || c == '-';
        if ((c >= '0' && c <= '9') || (sign && kept.empty()))
            kept.push_back(c);
    }
    if (kept.empty())
        return 0;
    const bool negative = kept.front() == '-';
    long long value = 0;
    for (const char c : kept) {
        if (c >= '0' && c <= '9')
            value = std::min(value * 10 + (c - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int Get_Field(std::string_view text, std::string_view delimiter, int n)
{
    for (int i = 1; i < n; ++i) {
        const auto at = text.find(delimiter);
        if (at == std::string_view::npos)
            break;
        text.remove_prefix(at + delimiter.size());
    }
    return Extract_Integer(text.substr(0, text.find(delimiter)));
}

int point_size_from_height(int pixel_height, int pixels_per_inch)
{
    return round_half_away(-(double(pixel_height) * kPointsPerInch / pixels_per_inch));
}

int height_from_point_size(int point_size, int pixels_per_inch)
{
    return round_half_away(-(double(point_size) * pixels_per_inch / kPointsPerInch));
}

ScaleRatios scale_ratios(int client_width, int client_height, int recorded_width, int recorded_height)
{
    ScaleRatios r;
    r.width = double(client_width) / recorded_width;
    r.height = double(client_height) / recorded_height;
    r.font = r.height >= r.width ? r.width : r.height;
    return r;
}

std::string window_line(int client_width, int client_height)
{
    return std::to_string(client_width) + " " + std::to_string(client_height) + " W/H Mainform1";
}

std::string control_line(const ControlBounds& b, std::string_view name)
{
    std::string line;
    for (const int value : {b.left, b.width, b.top, b.height, b.point_size})
        line += std::to_string(value) + " ";
    return line.append(name);
}

ControlBounds scaled(const ControlBounds& b, const ScaleRatios& ratios)
{
    return {truncated(b.left, ratios.width), truncated(b.top, ratios.height), truncated(b.width, ratios.width),
            truncated(b.height, ratios.height), std::max(truncated(b.point_size, ratios.font), 1)};
}

std::optional<ControlBounds> control_bounds(std::string_view line)
{
    if (line.size() <= 1)
        return std::nullopt;
    auto field = [&](int n) { return Get_Field(line, " ", n); };
    return ControlBounds{field(1), field(3), field(2), field(4), field(5)};
}

std::optional<ControlBounds> scaled_bounds(std::string_view line, const ScaleRatios& ratios)
{
    const auto bounds = control_bounds(line);
    if (!bounds)
        return std::nullopt;
    return scaled(*bounds, ratios);
}

} // namespace orr
