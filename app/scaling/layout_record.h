// The arithmetic of proportional layout scaling: the text lines of the layout
// record, reading numbers back from them, and the ratios that stretch them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orr {

// Reads an integer from whatever digits and signs a text holds: "W/H" gives 0,
// "Calendar12" gives 12, "-12" gives -12. Values beyond 32 bits saturate.
int Extract_Integer(std::string_view text);

// The n-th (from 1) delimited field of a text, read by Extract_Integer. Empty
// fields read 0; a field number beyond the last gives the last field.
int Get_Field(std::string_view text, std::string_view delimiter, int n);

// Point size of a font of the given pixel height (negative: a character height)
// and back, rounding halves away from zero.
int point_size_from_height(int pixel_height, int pixels_per_inch);
int height_from_point_size(int point_size, int pixels_per_inch);

struct ScaleRatios {
    double width = 1.0;
    double height = 1.0;
    double font = 1.0;  // the smaller of the two, the width ratio on a tie
};

ScaleRatios scale_ratios(int client_width, int client_height, int recorded_width, int recorded_height);

// In the order of Bounds, so that the two cannot be mixed up field by field.
struct ControlBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int point_size = 0;
    bool operator==(const ControlBounds&) const = default;
};

// Line 0 of the record: "653 574 W/H Mainform1" at the design size.
std::string window_line(int client_width, int client_height);
// The line of a visual control: left, width, top, height, point size and name.
std::string control_line(const ControlBounds& bounds, std::string_view name);
// The line of any other component.
inline constexpr const char* kNonVisualLine = "0";

// A control's bounds and point size under the ratios, each truncated toward
// zero. A point size never drops below 1, so a tiny window still has valid fonts.
ControlBounds scaled(const ControlBounds& bounds, const ScaleRatios& ratios);
// The bounds a control's line holds; nothing for the line of a non-visual component.
std::optional<ControlBounds> control_bounds(std::string_view line);
// Both at once: a line's bounds under the ratios.
std::optional<ControlBounds> scaled_bounds(std::string_view line, const ScaleRatios& ratios);

} // namespace orr
