// Where the cells and lines of a grid lie along one axis. Painting and
// hit-testing both read positions from here.
#pragma once

namespace orr {

struct GridAxis {
    int count = 0;   // cells along the axis
    int fixed = 0;   // heading cells at its start
    int cell = 0;    // extent of every cell
    int line = 0;    // effective line width after every cell
    int client = 0;  // client extent

    int pitch() const { return cell + line; }
    int start(int i) const { return i * pitch(); }
    int end(int i) const { return start(i) + cell; }  // exclusive

    // Cells whose extent, line included, ends within the client plus one line.
    int full_visible_count() const;
    // Where the last fully visible cell's line ends.
    int boundary() const { return start(full_visible_count()); }
    // The cell whose span (its line included) holds pos, or -1.
    int cell_at(int pos) const;
};

// Month grids share the client among seven cells and six inner lines.
constexpr int month_cell_extent(int client, int line)
{
    return (client - 6 * line) / 7;
}

} // namespace orr
