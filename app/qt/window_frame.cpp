// Nothing here waits for the window manager: requests are sent, Qt takes the geometry
// asked for at once, and what the window manager answers is applied when its events
// arrive. The window is always placed by its client area, so neither Qt's nor the
// window manager's idea of the frame can shift it.
#include "app/qt/window_frame.h"

#include <QWidget>
#include <QWindow>

#include "app/qt/frame_extents.h"

WindowFrame::WindowFrame(QWidget& window) : window_(window) {}

QMargins WindowFrame::Margins() const
{
    if (normal_)
        return *normal_;
    if (window_.testAttribute(Qt::WA_Mapped) && window_.windowHandle())
        return window_.windowHandle()->frameMargins();
    return {};
}

bool WindowFrame::AskDecoration()
{
    if (normal_)
        return false;
    if (const auto announced = orr::window::announced_frame(&window_)) {
        normal_ = announced->margins;
        return false;
    }
    if (!asked_)
        asked_ = orr::window::request_frame_margins(&window_);
    return asked_;
}

QRect WindowFrame::OuterBounds() const
{
    const bool normal = window_.windowState() == Qt::WindowNoState || !window_.testAttribute(Qt::WA_Mapped);
    return (normal ? window_.geometry() : window_.normalGeometry()).marginsAdded(Margins());
}

void WindowFrame::SetOuterBounds(QRect outer)
{
    if (!window_.testAttribute(Qt::WA_Mapped))
        AskDecoration();
    const QMargins frame = Margins();
    window_.setGeometry(outer.marginsRemoved(frame));
    awaiting_.reset();
    if (frame.isNull())
        awaiting_ = Awaiting{outer, std::nullopt};
}

void WindowFrame::Resize(QSize size)
{
    window_.resize(size);
    if (awaiting_)
        awaiting_->resized = size;
}

void WindowFrame::FrameAnnounced(QMargins frame, bool maximized)
{
    if (maximized)
        return;
    normal_ = frame;
    // A window manager may announce its decoration only as it first frames the window.
    if (!awaiting_ || frame.isNull())
        return;
    const Awaiting awaited = *awaiting_;
    awaiting_.reset();
    if (window_.windowState() != Qt::WindowNoState)
        return;
    if (awaited.resized)
        window_.setGeometry(
            QRect(awaited.outer.topLeft() + QPoint(frame.left(), frame.top()), *awaited.resized));
    else
        SetOuterBounds(awaited.outer);
}

void WindowFrame::RestoreFromMaximized()
{
    const QRect normal = window_.normalGeometry();
    window_.showNormal();
    window_.setGeometry(normal);
}
