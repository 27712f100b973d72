// The main window's outer bounds: the frame with the window manager's decoration.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "app/main_form.h"
#include "app/window_placement.h"

namespace {

constexpr int kRestoreWaitMs = 1000;

} // namespace

QMargins TMainForm1::FrameMargins() const
{
    if (testAttribute(Qt::WA_Mapped) && windowHandle()) {
        const QMargins known = windowHandle()->frameMargins();
        if (!known.isNull())
            return known;
    }
    return expected_frame_;
}

QRect TMainForm1::OuterBounds() const
{
    if (testAttribute(Qt::WA_Mapped))
        return frameGeometry();
    // Before the first mapping Qt knows no frame yet; the position set is the frame's.
    return QRect(pos(), size().grownBy(expected_frame_));
}

void TMainForm1::SetOuterBounds(QRect outer)
{
    const QMargins frame = FrameMargins();
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.append(screen->geometry());
    const QScreen* primary = QGuiApplication::primaryScreen();
    outer = orr::window::place_window(outer, screens, primary ? primary->availableGeometry() : QRect(),
                                      minimumSize().grownBy(frame));
    resize(outer.size().shrunkBy(frame));
    // Until Qt knows the frame it places the window by its client area.
    const bool qt_knows_frame = windowHandle() && !windowHandle()->frameMargins().isNull();
    if (qt_knows_frame || frame.isNull())
        move(outer.topLeft());
    else
        move(outer.topLeft() + QPoint(frame.left(), frame.top()));
}

void TMainForm1::RestoreFromMaximized()
{
    const QRect maximized = geometry();
    showNormal();
    // The window manager restores the window in its own time; the bounds are read
    // once it has.
    QElapsedTimer waited;
    waited.start();
    while (geometry() == maximized && waited.elapsed() < kRestoreWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
}
