// The grid base under the month grid: cells, the current cell, painting,
// keyboard focus and the routing of mouse and keyboard input. Only what a
// month grid uses is here: no scrolling, editing or range selection.
#pragma once

#include <QFrame>
#include <QTimer>
#include <functional>
#include <optional>

#include "monthgrid/grid_geometry.h"
#include "monthgrid/month_model.h"

class QPainter;

class TCustomGrid : public QFrame {
    Q_OBJECT

public:
    enum GridOption {
        HeadingVertLine = 0x01,    // vertical lines between heading cells
        HeadingHorzLine = 0x02,    // horizontal lines between heading cells
        VertLine = 0x04,           // vertical lines between body cells
        HorzLine = 0x08,           // horizontal lines between body cells
        DrawFocusSelected = 0x10,  // highlight the current cell also while focused
    };
    Q_DECLARE_FLAGS(GridOptions, GridOption)

    struct DrawState {
        bool heading = false;
        bool selected = false;
        bool focused = false;
    };

    using Notify = std::function<void(TCustomGrid*)>;

    explicit TCustomGrid(QWidget* owner = nullptr);

    int ColCount() const { return col_count_; }
    int RowCount() const { return row_count_; }
    int FixedCols() const { return fixed_cols_; }
    int FixedRows() const { return fixed_rows_; }
    void SetColCount(int count);
    void SetRowCount(int count);
    void SetFixedCols(int count);
    void SetFixedRows(int count);

    int CellWidth() const { return cell_width_; }
    int CellHeight() const { return cell_height_; }
    int GridLineWidth() const { return line_width_; }
    void SetCellWidth(int width);
    void SetCellHeight(int height);
    void SetGridLineWidth(int width);

    // Colours follow the platform's window and button-face colours until set.
    QColor Color() const;
    QColor HeadingColor() const;
    void SetColor(const QColor& colour);
    void SetHeadingColor(const QColor& colour);

    GridOptions Options() const { return options_; }
    void SetOptions(GridOptions options);
    bool TabStop() const { return focusPolicy() == Qt::StrongFocus; }
    void SetTabStop(bool stop);
    bool Ctl3D() const { return ctl3d_; }
    void SetCtl3D(bool on);

    orr::GridCell CurrentCell() const { return current_; }
    void MoveCurrentCell(int col, int row, bool move_anchor, bool show);

    // Cell rectangle and hit-test, both in client coordinates.
    QRect CellRect(int col, int row) const;
    std::optional<orr::GridCell> CellAt(QPoint client_pos) const;
    bool IsActiveControl() const;
    bool IsSelecting() const { return selecting_timer_.isActive(); }

    Notify OnClick;
    Notify OnDblClick;

protected:
    virtual bool CanSelectCell(int col, int row);
    virtual void DrawCellContent(QPainter& painter, int col, int row, const QRect& rect,
                                 DrawState state);
    virtual void NotifyClick();

    orr::GridAxis ColumnAxis() const;
    orr::GridAxis RowAxis() const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class GridPainter;

    std::optional<orr::GridCell> BodyCellAt(QPointF widget_pos) const;
    void TrySelectAt(QPointF widget_pos);
    void AimAt(orr::GridCell target);
    void InvalidateCell(orr::GridCell cell);
    void ResetCurrentCell();
    void SelectingTick();

    int col_count_ = 5;
    int row_count_ = 5;
    int fixed_cols_ = 1;
    int fixed_rows_ = 1;
    int cell_width_ = 64;
    int cell_height_ = 24;
    int line_width_ = 1;
    std::optional<QColor> color_;
    std::optional<QColor> heading_color_;
    GridOptions options_ = GridOptions(HeadingVertLine | HeadingHorzLine | VertLine | HorzLine);
    bool ctl3d_ = true;
    orr::GridCell current_{1, 1};

    // Gesture state: selecting from a left press on a body cell until its release.
    QTimer selecting_timer_;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TCustomGrid::GridOptions)
