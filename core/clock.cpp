#include "core/clock.h"

#include <chrono>
#include <ctime>

namespace orr {
namespace {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override
    {
        using namespace std::chrono;
        const auto stamp = system_clock::now();
        const std::time_t seconds = system_clock::to_time_t(stamp);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &seconds);
#else
        localtime_r(&seconds, &local);
#endif
        const auto millis = duration_cast<milliseconds>(stamp.time_since_epoch()).count() % 1000;
        return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                local.tm_hour,        local.tm_min,     local.tm_sec, static_cast<int>(millis)};
    }
};

const SystemClock system_clock_instance;
const Clock* current = &system_clock_instance;

} // namespace

const Clock& clock() { return *current; }

void set_clock(const Clock* replacement)
{
    current = replacement ? replacement : &system_clock_instance;
}

} // namespace orr
