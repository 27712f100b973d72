// Keeping a top-level window above all others. Only the stacking band changes: the
// window is not moved, resized, re-created or activated.
#pragma once

class QWidget;

namespace orr::window {

void set_always_on_top(QWidget* window, bool on);

} // namespace orr::window
