#include "app/scaling/screen_density.h"

#include <algorithm>
#include <cstdlib>

namespace orr {

int at_density(int design_length, int pixels_per_inch)
{
    const long long scaled = static_cast<long long>(std::abs(design_length)) * pixels_per_inch;
    const int magnitude = static_cast<int>((scaled + kDesignPixelsPerInch / 2) / kDesignPixelsPerInch);
    return design_length < 0 ? -magnitude : magnitude;
}

int pixel_art_factor(int pixels_per_inch) { return std::max(1, pixels_per_inch / kDesignPixelsPerInch); }

} // namespace orr
