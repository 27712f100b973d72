// The product's title: the taskbar and window caption, the error report's caption
// and the start of the clock caption.
#pragma once

namespace orr {

inline constexpr const char* kProductTitle = "Orrindale v1.0";

} // namespace orr
