#include "about/qt/gif_image.h"

#include <QImage>
#include <QPainter>

#include "about/gif_loader.h"
#include "core/event_guard.h"

TGIFImage::TGIFImage(QWidget* parent, const orr::gif::TickClock& clock)
    : QWidget(parent), animator_(static_cast<orr::gif::FrameTimer&>(*this), clock)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { orr::guarded([this] { animator_.Tick(); }); });
}

void TGIFImage::LoadFromData(const QByteArray& data)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data.constData());
    animator_.Load(orr::gif::load({bytes, static_cast<std::size_t>(data.size())}));
}

void TGIFImage::StartFrameTimer(int interval_ms) { timer_.start(interval_ms); }

void TGIFImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (animator_.Opaque())
        painter.fillRect(rect(), palette().window());
    const orr::gif::Compositor& canvas = animator_.canvas();
    if (canvas.width() == 0 || canvas.height() == 0)
        return;
    // The canvas is the off-screen frame: it goes to the screen in one drawing.
    const QImage frame(reinterpret_cast<const uchar*>(canvas.pixels().data()), canvas.width(),
                       canvas.height(), QImage::Format_ARGB32_Premultiplied);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const orr::Size drawn = animator_.DrawnSize({width(), height()});
    painter.drawImage(QRectF(0, 0, drawn.width, drawn.height), frame);
}
