// X11 and Wayland launchers pass no show state: the window opens normally.
#include "app/launcher_show_state.h"

namespace orr::window {

ShowState launcher_show_state() { return ShowState::Normal; }

} // namespace orr::window
