// The window manager's decoration around a top-level window, known before the
// window is first mapped so that stored outer sizes can be applied exactly.
#pragma once

#include <QMargins>

class QWidget;

namespace orr::window {

// The decoration widths; zero where the window manager cannot tell.
QMargins expected_frame_margins(QWidget* window);

} // namespace orr::window
