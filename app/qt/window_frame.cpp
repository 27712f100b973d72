#include "app/qt/window_frame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include "app/qt/frame_extents.h"
#include "core/event_guard.h"

namespace {

constexpr int kRestoreWaitMs = 1000;
constexpr int kWatchIntervalMs = 20;
// How long a first frame is waited for: 50 ticks of the watch.
constexpr int kWatchTicks = 50;

} // namespace

WindowFrame::WindowFrame(QWidget& window) : window_(window)
{
    watch_.setInterval(kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, [this] { orr::guarded([this] { CorrectForFirstFrame(); }); });
}

QMargins WindowFrame::Margins() const
{
    if (window_.testAttribute(Qt::WA_Mapped) && window_.windowHandle()) {
        const QMargins known = window_.windowHandle()->frameMargins();
        if (!known.isNull())
            return known;
    }
    return expected_;
}

QRect WindowFrame::OuterBounds() const
{
    if (window_.testAttribute(Qt::WA_Mapped))
        return window_.frameGeometry();
    // Before the first mapping Qt knows no frame yet; the position set is the frame's.
    return QRect(window_.pos(), window_.size().grownBy(expected_));
}

void WindowFrame::SetOuterBounds(QRect outer)
{
    if (!window_.testAttribute(Qt::WA_Mapped))
        expected_ = orr::window::expected_frame_margins(&window_);
    const QMargins frame = Margins();
    window_.resize(outer.size().shrunkBy(frame));
    // Until Qt knows the frame it places the window by its client area.
    const bool qt_knows_frame = window_.windowHandle() && !window_.windowHandle()->frameMargins().isNull();
    if (qt_knows_frame || frame.isNull())
        window_.move(outer.topLeft());
    else
        window_.move(outer.topLeft() + QPoint(frame.left(), frame.top()));
    awaiting_.reset();
    watch_.stop();
    if (!window_.testAttribute(Qt::WA_Mapped) && frame.isNull()) {
        awaiting_ = outer;
        watch_ticks_ = 0;
        watch_.start();
    }
}

void WindowFrame::CorrectForFirstFrame()
{
    // A window manager that cannot tell its decoration in advance shows it at the
    // first mapping; the stored bounds are applied again once it is known.
    if (++watch_ticks_ >= kWatchTicks)
        watch_.stop();
    if (!awaiting_ || !window_.testAttribute(Qt::WA_Mapped) || !window_.windowHandle() ||
        window_.windowHandle()->frameMargins().isNull())
        return;
    const QRect outer = *awaiting_;
    awaiting_.reset();
    watch_.stop();
    if (window_.windowState() == Qt::WindowNoState)
        SetOuterBounds(outer);
}

void WindowFrame::RestoreFromMaximized()
{
    const QRect maximized = window_.geometry();
    window_.showNormal();
    // The window manager restores the window in its own time; the bounds are read
    // once it has.
    QElapsedTimer waited;
    waited.start();
    while (window_.geometry() == maximized && waited.elapsed() < kRestoreWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    QCoreApplication::processEvents();
}
