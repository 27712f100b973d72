// The design layout is drawn for 96 pixels per inch; on a denser screen every design
// length and font grows with it, so a window keeps its size on the desk. At 96 nothing
// changes.
#pragma once

namespace orr {

inline constexpr int kDesignPixelsPerInch = 96;

// A design length (or negative font height) at this density, halves rounded away from zero.
int at_density(int design_length, int pixels_per_inch);

// The whole factor by which pixel art (16-pixel glyphs) is drawn at this density: it stays
// sharp, and never grows past what the lengths around it grew.
int pixel_art_factor(int pixels_per_inch);

} // namespace orr
