#include "monthgrid/grid_painter.h"

#include <algorithm>
#include <array>
#include <vector>

#include "monthgrid/grid_base.h"
#include "monthgrid/grid_canvas.h"

namespace orr {
namespace {

// Stroke lists live on the stack: a month grid strokes at most seven lines per
// axis and area. Larger grids spill to the heap.
class LineList {
public:
    void push(Line line)
    {
        if (size_ < kOnStack) {
            on_stack_[size_++] = line;
            return;
        }
        if (spilled_.empty())
            spilled_.assign(on_stack_.begin(), on_stack_.end());
        spilled_.push_back(line);
        ++size_;
    }
    std::span<const Line> lines() const
    {
        if (size_ <= kOnStack)
            return {on_stack_.data(), static_cast<std::size_t>(size_)};
        return spilled_;
    }
    bool empty() const { return size_ == 0; }

private:
    static constexpr int kOnStack = 16;
    std::array<Line, kOnStack> on_stack_{};
    std::vector<Line> spilled_;
    int size_ = 0;
};

struct Range {
    int first = 0;
    int last = 0; // exclusive
};

struct Area {
    Range cols;
    Range rows;
    bool heading = false;
};

bool needs_paint(std::span<const Rect> region, const Rect& rect)
{
    return std::any_of(region.begin(), region.end(), [&](const Rect& r) { return r.intersects(rect); });
}

class GridPainter {
public:
    GridPainter(const GridBase& grid, GridCanvas& canvas)
        : grid_(grid), canvas_(canvas), x_(grid.ColumnAxis()), y_(grid.RowAxis()),
          active_(grid.IsActiveControl())
    {}

    void paint(std::span<const Rect> region)
    {
        // Headings first, then the body.
        const Range head_cols{0, x_.fixed};
        const Range head_rows{0, y_.fixed};
        const Range body_cols{x_.fixed, x_.count};
        const Range body_rows{y_.fixed, y_.count};
        const std::array<Area, 4> areas{{{head_cols, head_rows, true},
                                         {body_cols, head_rows, true},
                                         {head_cols, body_rows, true},
                                         {body_cols, body_rows, false}}};
        if (x_.line > 0 || y_.line > 0) {
            for (const Area& area : areas)
                paint_lines(area);
        }
        for (const Area& area : areas)
            paint_cells(area, region);
        paint_strips();
    }

private:
    Colour body_line_colour() const
    {
        // Silver lines would vanish on a silver body.
        return canvas_.resolve(grid_.Color()) == canvas_.resolve(clSilver) ? clGray : clSilver;
    }

    void paint_lines(const Area& area) const
    {
        // Lines only run along cells that are fully visible.
        const int last_col = std::min(area.cols.last, x_.full_visible_count());
        const int last_row = std::min(area.rows.last, y_.full_visible_count());
        if (area.cols.first >= last_col || area.rows.first >= last_row)
            return;
        const int left = x_.start(area.cols.first);
        const int right = x_.start(last_col);
        const int top = y_.start(area.rows.first);
        const int bottom = y_.start(last_row);

        LineList vertical;
        for (int c = area.cols.first; x_.line > 0 && c < last_col; ++c) {
            const int x = x_.end(c) + (x_.line >> 1);
            vertical.push({{x, top}, {x, bottom}});
        }
        LineList horizontal;
        for (int r = area.rows.first; y_.line > 0 && r < last_row; ++r) {
            const int y = y_.end(r) + (y_.line >> 1);
            horizontal.push({{left, y}, {right, y}});
        }

        const bool vert_on = grid_.HasOption(area.heading ? kHeadingVertLine : kVertLine);
        const bool horz_on = grid_.HasOption(area.heading ? kHeadingHorzLine : kHorzLine);
        const Colour on_colour = area.heading ? clBlack : body_line_colour();
        const Colour off_colour = area.heading ? grid_.HeadingColor() : grid_.Color();
        const auto stroke = [&](const LineList& list, bool on, int width) {
            if (!list.empty())
                canvas_.draw_lines(list.lines(), on ? on_colour : off_colour, width);
        };
        // The later stroke covers the crossings: lines that are on go over those that are off.
        if (horz_on) {
            stroke(vertical, vert_on, x_.line);
            stroke(horizontal, horz_on, y_.line);
        } else {
            stroke(horizontal, horz_on, y_.line);
            stroke(vertical, vert_on, x_.line);
        }
    }

    void paint_cells(const Area& area, std::span<const Rect> region) const
    {
        for (int row = area.rows.first; row < area.rows.last; ++row) {
            for (int col = area.cols.first; col < area.cols.last; ++col) {
                const Rect rect = grid_.CellRect(col, row);
                if (rect.width() <= 0 || rect.height() <= 0 || !needs_paint(region, rect))
                    continue;
                paint_cell(col, row, rect, area.heading);
            }
        }
    }

    void paint_cell(int col, int row, const Rect& rect, bool heading) const
    {
        DrawState state;
        state.heading = heading;
        state.selected = !heading && GridCell{col, row} == grid_.CurrentCell();
        state.focused = state.selected && active_;

        const bool highlight = state.selected && (!state.focused || grid_.HasOption(kDrawFocusSelected));
        canvas_.set_brush(highlight ? clHighlight : (heading ? grid_.HeadingColor() : grid_.Color()));
        canvas_.set_text_colour(highlight ? clHighlightText : grid_.FontColor());
        canvas_.fill_rect(rect);
        grid_.DrawCellContent(canvas_, col, row, rect, state);

        const bool heading_lines = grid_.HasOption(kHeadingVertLine) || grid_.HasOption(kHeadingHorzLine);
        if (heading && grid_.Ctl3D() && heading_lines)
            paint_heading_edges(rect);
        if (state.focused)
            canvas_.focus_rect(rect);
    }

    void paint_heading_edges(const Rect& cell) const
    {
        const bool vert = grid_.HasOption(kHeadingVertLine);
        const bool horz = grid_.HasOption(kHeadingHorzLine);
        // Without a line on one side, the edge takes the line's place there.
        Rect rect = cell;
        if (!vert)
            rect.right += x_.line;
        else if (!horz)
            rect.bottom += y_.line;
        canvas_.raised_inner_edge(rect, (vert ? kEdgeRight : 0u) | (horz ? kEdgeBottom : 0u));
        canvas_.raised_inner_edge(rect, (vert ? kEdgeLeft : 0u) | (horz ? kEdgeTop : 0u));
    }

    void paint_strips() const
    {
        const Size client = grid_.ClientSize();
        const int right = x_.boundary();
        const int bottom = y_.boundary();
        canvas_.set_brush(grid_.Color());
        if (right < client.width)
            canvas_.fill_rect({right, 0, client.width, std::min(bottom, client.height)});
        if (bottom < client.height)
            canvas_.fill_rect({0, bottom, client.width, client.height});
    }

    const GridBase& grid_;
    GridCanvas& canvas_;
    const GridAxis x_;
    const GridAxis y_;
    const bool active_;
};

} // namespace

void paint_grid(const GridBase& grid, GridCanvas& canvas, std::span<const Rect> region)
{
    GridPainter(grid, canvas).paint(region);
}

} // namespace orr
