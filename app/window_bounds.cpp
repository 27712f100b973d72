// The main window's outer bounds: the frame with the window manager's decoration.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "app/main_form.h"
#include "app/window_placement.h"

namespace {

constexpr int kRestoreWaitMs = 1000;
// How long a first frame is waited for: 50 ticks of the frame watch.
constexpr int kFrameWatchTicks = 50;

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
    awaiting_frame_.reset();
    frame_watch_->stop();
    if (!testAttribute(Qt::WA_Mapped) && frame.isNull()) {
        awaiting_frame_ = outer;
        frame_watch_ticks_ = 0;
        frame_watch_->start();
    }
}

void TMainForm1::CorrectForFirstFrame()
{
    // A window manager that cannot tell its decoration in advance shows it at the
    // first mapping; the stored bounds are applied again once it is known.
    if (++frame_watch_ticks_ >= kFrameWatchTicks)
        frame_watch_->stop();
    if (!awaiting_frame_ || !testAttribute(Qt::WA_Mapped) || !windowHandle() ||
        windowHandle()->frameMargins().isNull())
        return;
    const QRect outer = *awaiting_frame_;
    awaiting_frame_.reset();
    frame_watch_->stop();
    if (windowState() == Qt::WindowNoState)
        SetOuterBounds(outer);
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
