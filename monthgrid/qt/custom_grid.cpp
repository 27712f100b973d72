#include "monthgrid/qt/custom_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <cmath>

#include "core/event_guard.h"
#include "monthgrid/grid_painter.h"
#include "monthgrid/qt/qt_canvas.h"

namespace {

constexpr int kSunkenEdgeWidth = 2;
constexpr int kFlatBorderWidth = 1;

constexpr orr::GridKeyCodes kNavigationKeys{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                            Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};

// The sunken client edge in eight fills: the pixels of Qt's own WinPanel frame, which
// strokes them as polylines at about the cost of all the grid's lines and fills.
// Scaled, or too small for both rings, the frame is left to Qt.
bool fill_sunken_edge(QPainter& painter, const QRect& r, const QPalette& palette)
{
    const QTransform& transform = painter.deviceTransform();
    if (painter.device()->devicePixelRatio() != 1 || transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::floor(transform.dx()) || transform.dy() != std::floor(transform.dy()))
        return false;
    const std::vector<orr::EdgeStrip> strips = orr::sunken_client_edge(from_qrect(r));
    fill_edge(painter, palette, strips);
    return !strips.empty();
}

} // namespace

TCustomGrid::TCustomGrid(QWidget* owner) : TCustomGrid(owner, std::make_unique<orr::GridBase>()) {}

TCustomGrid::TCustomGrid(QWidget* owner, std::unique_ptr<orr::GridBase> core)
    : QFrame(owner), core_(std::move(core))
{
    // The border is fixed now: the sunken 3-D client edge, or a flat line without 3-D look.
    if (core_->Ctl3D()) {
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        setLineWidth(kSunkenEdgeWidth);
    } else {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(kFlatBorderWidth);
    }
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    core_->OnClick = orr::raiser(OnClick, this);
    core_->OnDblClick = orr::raiser(OnDblClick, this);
    const orr::Size size = core_->DefaultSize();
    resize(size.width, size.height);
    core_->Resize({contentsRect().width(), contentsRect().height()});
    core_->Attach(this);
}

TCustomGrid::~TCustomGrid() { core_->Attach(nullptr); }

void TCustomGrid::SetTabStop(bool stop)
{
    // Without a tab stop the grid still takes the focus when clicked.
    setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

orr::Point TCustomGrid::ClientPoint(QPointF widget_pos) const
{
    const QPoint p = widget_pos.toPoint() - contentsRect().topLeft();
    return {p.x(), p.y()};
}

void TCustomGrid::invalidate(const orr::Rect& r) { update(to_qrect(r).translated(contentsRect().topLeft())); }

void TCustomGrid::invalidate_all() { update(); }

void TCustomGrid::take_focus()
{
    if (focusPolicy() != Qt::NoFocus)
        setFocus(Qt::MouseFocusReason);
}

bool TCustomGrid::is_active_control() const
{
    // A grid with no window of its own around it is active while it has the focus.
    return isWindow() ? hasFocus() : window()->focusWidget() == this;
}

void TCustomGrid::paintEvent(QPaintEvent* event)
{
    orr::guarded([&] {
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        if (!(core_->Ctl3D() && fill_sunken_edge(painter, frameRect(), frame.palette)))
            drawFrame(&painter);
        const QRect client = contentsRect();
        QVarLengthArray<orr::Rect, 8> region;
        for (const QRect& r : event->region())
            region.append(from_qrect(r.translated(-client.topLeft())));
        QtGridCanvas canvas(painter, palette(), client, font(), texts_);
        orr::paint_grid(*core_, canvas, {region.constData(), static_cast<std::size_t>(region.size())});
    });
}

void TCustomGrid::resizeEvent(QResizeEvent* event)
{
    orr::guarded([&] { core_->Resize({contentsRect().width(), contentsRect().height()}); });
    QFrame::resizeEvent(event);
}

bool TCustomGrid::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut)
        orr::guarded([&] { core_->FocusChanged(); });
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return QFrame::event(event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type != QEvent::MouseMove && mouse->button() != Qt::LeftButton)
        return QFrame::event(event);
    const orr::Point at = ClientPoint(mouse->position());
    orr::guarded([&] {
        if (type == QEvent::MouseMove)
            core_->MouseMove(at);
        else if (type == QEvent::MouseButtonRelease)
            core_->MouseUp(at);
        else
            core_->MouseDown(at, type == QEvent::MouseButtonDblClick);
    });
    return true;
}

void TCustomGrid::keyPressEvent(QKeyEvent* event)
{
    const auto key = orr::grid_key(kNavigationKeys, event->key());
    if (!key)
        return QFrame::keyPressEvent(event);
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    orr::guarded([&] { core_->KeyDown(*key, ctrl); });
}

void TCustomGrid::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return QFrame::wheelEvent(event);
    orr::guarded([&] { core_->Wheel(delta); });
}
