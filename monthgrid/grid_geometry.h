// Where the cells and lines of a grid lie. Painting and hit-testing both read
// positions from here, in client coordinates.
#pragma once

namespace orr {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are exclusive, as the platforms' own rectangles are.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool intersects(const Rect& other) const
    {
        return !empty() && !other.empty() && left < other.right && other.left < right && top < other.bottom &&
               other.top < bottom;
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct GridCell {
    int col = 0;
    int row = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

struct GridAxis {
    int count = 0;  // cells along the axis
    int fixed = 0;  // heading cells at its start
    int cell = 0;   // extent of every cell
    int line = 0;   // effective line width after every cell
    int client = 0; // client extent

    int pitch() const { return cell + line; }
    int start(int i) const { return i * pitch(); }
    int end(int i) const { return start(i) + cell; } // exclusive

    // Cells whose extent, line included, ends within the client plus one line.
    int full_visible_count() const;
    // Where the last fully visible cell's line ends.
    int boundary() const { return start(full_visible_count()); }
    // The cell whose span (its line included) holds pos, or -1.
    int cell_at(int pos) const;
};

// The cell extent that shares a client among `cells` cells and the lines between
// them. Signed division truncates toward zero, so a tiny client gives 0 or less.
constexpr int fitted_cell_extent(int client, int line, int cells)
{
    return (client - (cells - 1) * line) / cells;
}

} // namespace orr
