// How the launcher asked the program's first window to appear (a shortcut set to
// run minimised or maximised).
#pragma once

namespace orr::window {

enum class ShowState { Normal, Minimized, Maximized };

ShowState launcher_show_state();

} // namespace orr::window
