// The program's source of local date and time. Tests replace it to stand on any
// moment, e.g. 31 January 2026 23:59:59.9 or a day in year 9999.
#pragma once

namespace orr {

struct LocalDateTime {
    int year = 1;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;   // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The clock every part of the program reads.
const Clock& clock();

// Installs a replacement clock (not owned); nullptr goes back to the system clock.
void set_clock(const Clock* replacement);

// A clock that stands still at one moment, for tests and benchmarks.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime moment) : moment_(moment) {}
    LocalDateTime now() const override { return moment_; }
    void set(LocalDateTime moment) { moment_ = moment; }

private:
    LocalDateTime moment_;
};

} // namespace orr
