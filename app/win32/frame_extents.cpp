// Win32: the frame follows from the window's styles as soon as it exists.
#include "app/frame_extents.h"

#include <QWidget>
#include <QWindow>

namespace orr::window {

QMargins expected_frame_margins(QWidget* window)
{
    window->winId();
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

} // namespace orr::window
