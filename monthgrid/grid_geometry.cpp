#include "monthgrid/grid_geometry.h"

namespace orr {

int GridAxis::full_visible_count() const
{
    int visible = 0;
    while (visible < count && start(visible + 1) <= client + line)
        ++visible;
    return visible;
}

int GridAxis::cell_at(int pos) const
{
    if (pos < 0 || pitch() <= 0)
        return -1;
    const int i = pos / pitch();
    return i < count ? i : -1;
}

} // namespace orr
