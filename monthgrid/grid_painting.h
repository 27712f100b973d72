// Paints a grid base: lines, cells with their content, heading edges, the
// focus rectangle and the strips left over at the right and bottom.
#pragma once

#include <QColor>
#include <QRegion>

#include "monthgrid/custom_grid.h"

class QPainter;

class GridPainter {
public:
    GridPainter(TCustomGrid& grid, QPainter& painter);

    // region: what needs repainting, in widget coordinates.
    void paint(const QRegion& region);

private:
    struct Range {
        int first = 0;
        int last = 0;  // exclusive
    };
    struct Area {
        Range cols;
        Range rows;
        bool heading = false;
    };

    void paint_lines(const Area& area) const;
    void paint_cells(const Area& area, const QRegion& region) const;
    void paint_cell(int col, int row, const QRect& rect, bool heading) const;
    void paint_heading_edges(const QRect& rect) const;
    void paint_strips() const;
    QColor body_line_colour() const;
    bool has(TCustomGrid::GridOption option) const { return grid_.options_ & option; }

    TCustomGrid& grid_;
    QPainter& painter_;
    orr::GridAxis x_;
    orr::GridAxis y_;
};

// The platform's dotted focus rectangle: every other pixel of the outline inverted.
void draw_focus_rect(QPainter& painter, const QRect& rect);
