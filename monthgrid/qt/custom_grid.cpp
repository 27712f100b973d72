#include "monthgrid/qt/custom_grid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QVarLengthArray>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>

#include "core/event_guard.h"
#include "monthgrid/grid_painter.h"
#include "monthgrid/qt/qt_canvas.h"

namespace {

constexpr int kSunkenEdgeWidth = 2;
constexpr int kFlatBorderWidth = 1;

std::optional<orr::GridKey> grid_key(int key)
{
    switch (key) {
    case Qt::Key_Left: return orr::GridKey::Left;
    case Qt::Key_Right: return orr::GridKey::Right;
    case Qt::Key_Up: return orr::GridKey::Up;
    case Qt::Key_Down: return orr::GridKey::Down;
    case Qt::Key_Home: return orr::GridKey::Home;
    case Qt::Key_End: return orr::GridKey::End;
    case Qt::Key_PageUp: return orr::GridKey::PageUp;
    case Qt::Key_PageDown: return orr::GridKey::PageDown;
    default: return std::nullopt;
    }
}

// The sunken client edge in eight fills: the pixels of Qt's own WinPanel frame, which
// strokes them as polylines at about the cost of all the grid's lines and fills.
// Scaled, or too small for both rings, the frame is left to Qt.
bool fill_sunken_edge(QPainter& painter, const QRect& r, const QPalette& palette)
{
    const QTransform& transform = painter.deviceTransform();
    if (painter.device()->devicePixelRatio() != 1 || transform.type() > QTransform::TxTranslate ||
        transform.dx() != std::floor(transform.dx()) || transform.dy() != std::floor(transform.dy()) ||
        r.width() < 3 || r.height() < 3)
        return false;
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    painter.fillRect(QRect(x, y, 1, h - 1), palette.dark());
    painter.fillRect(QRect(x, y, w - 1, 1), palette.dark());
    painter.fillRect(QRect(x, y + h - 1, w, 1), palette.light());
    painter.fillRect(QRect(x + w - 1, y, 1, h), palette.light());
    if (w > 4 && h > 4) {
        painter.fillRect(QRect(x + 1, y + 1, 1, h - 3), palette.shadow());
        painter.fillRect(QRect(x + 1, y + 1, w - 3, 1), palette.shadow());
        painter.fillRect(QRect(x + 1, y + h - 2, w - 2, 1), palette.midlight());
        painter.fillRect(QRect(x + w - 2, y + 1, 1, h - 2), palette.midlight());
    }
    return true;
}

// The size message carries unsigned 16-bit extents.
std::uint16_t size_message_extent(int extent) { return static_cast<std::uint16_t>(std::max(extent, 0)); }

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
    core_->OnClick = [this] {
        if (OnClick)
            OnClick(this);
    };
    core_->OnDblClick = [this] {
        if (OnDblClick)
            OnDblClick(this);
    };
    const orr::Size size = core_->DefaultSize();
    resize(size.width, size.height);
    core_->Resize(size_message_extent(contentsRect().width()), size_message_extent(contentsRect().height()));
    core_->Attach(this);
}

TCustomGrid::~TCustomGrid() { core_->Attach(nullptr); }

QRect TCustomGrid::CellRect(int col, int row) const
{
    const orr::Rect r = core_->CellRect(col, row);
    return QRect(r.left, r.top, r.width(), r.height());
}

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

void TCustomGrid::invalidate(const orr::Rect& r)
{
    update(QRect(r.left, r.top, r.width(), r.height()).translated(contentsRect().topLeft()));
}

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
        for (const QRect& r : event->region()) {
            const QRect local = r.translated(-client.topLeft());
            region.append(
                {local.left(), local.top(), local.left() + local.width(), local.top() + local.height()});
        }
        QtGridCanvas canvas(painter, palette(), client, font(), texts_);
        orr::paint_grid(*core_, canvas, {region.constData(), static_cast<std::size_t>(region.size())});
    });
}

void TCustomGrid::resizeEvent(QResizeEvent* event)
{
    orr::guarded([&] {
        core_->Resize(size_message_extent(contentsRect().width()),
                      size_message_extent(contentsRect().height()));
    });
    QFrame::resizeEvent(event);
}

void TCustomGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QFrame::mousePressEvent(event);
    orr::guarded([&] { core_->MouseDown(ClientPoint(event->position()), false); });
}

void TCustomGrid::mouseMoveEvent(QMouseEvent* event)
{
    orr::guarded([&] { core_->MouseMove(ClientPoint(event->position())); });
}

void TCustomGrid::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QFrame::mouseReleaseEvent(event);
    orr::guarded([&] { core_->MouseUp(ClientPoint(event->position())); });
}

void TCustomGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QFrame::mouseDoubleClickEvent(event);
    orr::guarded([&] { core_->MouseDown(ClientPoint(event->position()), true); });
}

void TCustomGrid::keyPressEvent(QKeyEvent* event)
{
    const auto key = grid_key(event->key());
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

void TCustomGrid::focusInEvent(QFocusEvent* event)
{
    orr::guarded([&] { core_->FocusChanged(); });
    QFrame::focusInEvent(event);
}

void TCustomGrid::focusOutEvent(QFocusEvent* event)
{
    orr::guarded([&] { core_->FocusChanged(); });
    QFrame::focusOutEvent(event);
}
