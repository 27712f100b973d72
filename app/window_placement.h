// Where a stored outer window placement lands on the screens at hand.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace orr::window {

// Offset from the primary screen's corner for a window that lay on no screen.
inline constexpr int kRecoveredOffset = 20;

// The placement as stored, raised to `minimum` where smaller; a placement that lies
// wholly outside every screen (a monitor that is gone) moves onto `primary` at the
// default offset from its corner, keeping its size.
QRect place_window(QRect outer, const QList<QRect>& screens, const QRect& primary, QSize minimum);

} // namespace orr::window
