// A monotonic millisecond clock for frame timing; tests replace it to make time pass
// at will.
#pragma once

#include <chrono>

namespace orr::gif {

class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::chrono::milliseconds now() const = 0;
};

// The system's steady clock.
const TickClock& steady_tick_clock();

} // namespace orr::gif
