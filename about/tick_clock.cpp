#include "about/tick_clock.h"

namespace orr::gif {
namespace {

class SteadyTickClock : public TickClock {
public:
    std::chrono::milliseconds now() const override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
    }
};

const SteadyTickClock steady;

} // namespace

const TickClock& steady_tick_clock() { return steady; }

} // namespace orr::gif
