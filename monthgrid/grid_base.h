// The grid base under the month grid, for both shells: counts, cell sizes,
// options, the current cell and the routing of mouse and keyboard input. Only
// what a month grid uses is here: no scrolling, editing or range selection.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

#include "monthgrid/colour.h"
#include "monthgrid/grid_geometry.h"

namespace orr {

class GridCanvas;

enum GridOption : unsigned {
    kHeadingVertLine = 0x01,   // vertical lines between heading cells
    kHeadingHorzLine = 0x02,   // horizontal lines between heading cells
    kVertLine = 0x04,          // vertical lines between body cells
    kHorzLine = 0x08,          // horizontal lines between body cells
    kDrawFocusSelected = 0x10, // highlight the current cell also while focused
};
using GridOptions = unsigned; // GridOption bits

struct DrawState {
    bool heading = false;  // in a heading row or column
    bool selected = false; // the current cell
    bool focused = false;  // the current cell of the window's active control
    friend bool operator==(const DrawState&, const DrawState&) = default;
};

// The navigation keys, as each shell names them to the grid.
enum class GridKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };
inline constexpr std::size_t kGridKeyCount = 8;

// A platform's codes for the navigation keys, in GridKey order.
using GridKeyCodes = std::array<int, kGridKeyCount>;
// The navigation key a platform's key code names; nothing for any other key.
std::optional<GridKey> grid_key(const GridKeyCodes& codes, int code);

// What the grid asks of the window a shell gives it.
class GridHost {
public:
    virtual void invalidate(const Rect& client_rect) = 0;
    virtual void invalidate_all() = 0;
    // Takes the keyboard focus if the window can have it, tab stop or not.
    virtual void take_focus() = 0;
    // The grid is the active control of its window.
    virtual bool is_active_control() const = 0;

protected:
    ~GridHost() = default;
};

// Whether a control is its window's active one, for a platform that reports only the
// keyboard focus: focus that leaves the window (another program, a message box) leaves
// the control active there, and another control of the same window takes its place.
class ActiveControl {
public:
    void FocusGained() { active_ = true; }
    // to_own_window: the focus went to another control of the same window.
    void FocusLost(bool to_own_window) { active_ = active_ && !to_own_window; }
    // Where the focus is now: on the control, or on another control of its window.
    bool IsActive(bool focused, bool focus_in_own_window) const
    {
        return focused || (!focus_in_own_window && active_);
    }

private:
    bool active_ = false;
};

class GridBase {
public:
    GridBase();
    virtual ~GridBase() = default;
    GridBase(const GridBase&) = delete;
    GridBase& operator=(const GridBase&) = delete;

    // Until a window is attached, repaint requests are dropped and the grid has no focus.
    void Attach(GridHost* host) { host_ = host; }

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

    Colour Color() const { return color_; }
    Colour HeadingColor() const { return heading_color_; }
    Colour FontColor() const { return font_color_; }
    void SetColor(Colour colour);
    void SetHeadingColor(Colour colour);
    void SetFontColor(Colour colour);

    GridOptions Options() const { return options_; }
    bool HasOption(GridOption option) const { return (options_ & option) != 0; }
    void SetOptions(GridOptions options);
    bool Ctl3D() const { return ctl3d_; }
    void SetCtl3D(bool on);

    // The window's size when its owner never sizes it: the default cells of a
    // 5 x 5 base, whatever the counts become later.
    Size DefaultSize() const { return default_size_; }

    GridCell CurrentCell() const { return current_; }
    // Throws EInvalidGridOperation for a cell outside the grid. Without range
    // selection the anchor follows the current cell, and every cell is in view,
    // so neither flag changes anything.
    void MoveCurrentCell(int col, int row, bool move_anchor, bool show);

    Size ClientSize() const { return client_; }
    GridAxis ColumnAxis() const;
    GridAxis RowAxis() const;
    Rect CellRect(int col, int row) const;
    std::optional<GridCell> CellAt(Point at) const;
    bool IsActiveControl() const { return host_ != nullptr && host_->is_active_control(); }
    bool IsSelecting() const { return selecting_; }

    // Input as the shells hand it over; points are in client coordinates.
    // The platform's size message carries the client size as unsigned 16-bit values.
    void Resize(std::uint16_t client_width, std::uint16_t client_height);
    // A client size as that message carries it: a negative extent as 0.
    void Resize(Size client);
    void MouseDown(Point at, bool double_click); // left button only
    void MouseMove(Point at);
    void MouseUp(Point at);
    void CancelGesture(); // the platform took the mouse away before the release
    void KeyDown(GridKey key, bool ctrl);
    void Wheel(int delta); // below 0 turns toward the user (down)
    void FocusChanged();

    // Hooks for a grid built on this base.
    virtual bool CanSelectCell(int col, int row);
    virtual void DrawCellContent(GridCanvas& canvas, int col, int row, const Rect& rect,
                                 DrawState state) const;
    virtual void NotifyClick();

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    // The size message as a grid sees it; the base has no scroll bars to update.
    virtual void ClientSizeChanged(std::uint16_t width, std::uint16_t height);

    void Invalidate();
    void InvalidateCell(GridCell cell);

private:
    std::optional<GridCell> BodyCellAt(Point at) const;
    void TrySelectAt(Point at);
    void AimAt(GridCell target);
    void ResetCurrentCell();

    GridHost* host_ = nullptr;

    // Shape and look.
    int col_count_;
    int row_count_;
    int fixed_cols_ = 1;
    int fixed_rows_ = 1;
    int cell_width_;
    int cell_height_;
    int line_width_ = 1;
    Colour color_ = clWindow;
    Colour heading_color_ = clBtnFace;
    Colour font_color_ = clWindowText;
    GridOptions options_ = kHeadingVertLine | kHeadingHorzLine | kVertLine | kHorzLine;
    bool ctl3d_ = true;
    Size default_size_;
    Size client_;

    // Selection and the mouse gesture: selecting runs from a left press on a body
    // cell until its release.
    GridCell current_{1, 1};
    bool selecting_ = false;
};

// A shell's event that names its sender, raised by one of the grid's own.
template <typename Sender>
std::function<void()> raiser(const std::function<void(Sender*)>& event, Sender* sender)
{
    return [&event, sender] {
        if (event)
            event(sender);
    };
}

} // namespace orr
