// TCustomGrid for the Qt shell: a sunken frame around the shared grid base. It
// hands the widget's events to the grid and paints it through a QPainter canvas.
#pragma once

#include <QFrame>
#include <QRect>
#include <functional>
#include <memory>

#include "monthgrid/grid_base.h"
#include "monthgrid/qt/qt_canvas.h"

class TCustomGrid : public QFrame, private orr::GridHost {
    Q_OBJECT

public:
    using Notify = std::function<void(TCustomGrid*)>;

    explicit TCustomGrid(QWidget* owner = nullptr);
    ~TCustomGrid() override;

    // The shared grid behind the widget, where every rule lives.
    orr::GridBase& Grid() { return *core_; }
    const orr::GridBase& Grid() const { return *core_; }

    // In client coordinates, inside the sunken edge.
    QRect CellRect(int col, int row) const { return to_qrect(core_->CellRect(col, row)); }

    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool stop);

    Notify OnClick;
    Notify OnDblClick;

protected:
    TCustomGrid(QWidget* owner, std::unique_ptr<orr::GridBase> core);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // The mouse's left button and the focus, handed to the grid.
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    orr::Point ClientPoint(QPointF widget_pos) const;

    void invalidate(const orr::Rect& client_rect) override;
    void invalidate_all() override;
    void take_focus() override;
    bool is_active_control() const override;

    std::unique_ptr<orr::GridBase> core_;
    LaidOutTexts texts_;
};
