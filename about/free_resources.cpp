#include "about/free_resources.h"

#include <cmath>

namespace orr {
namespace {

constexpr int kWhole = 100;
constexpr std::uint64_t kBytesPerKilobyte = 1024;

} // namespace

int free_resources_percent(const platform::MemoryStatus& status)
{
    if (status.load_percent != 0)
        return kWhole - status.load_percent;
    // The physical amounts are cut to whole kilobytes, the page file's are not.
    constexpr double kilobyte = kBytesPerKilobyte;
    const double available = static_cast<double>(status.available_physical / kBytesPerKilobyte) +
                             static_cast<double>(status.available_page_file) / kilobyte;
    const double total = static_cast<double>(status.total_physical / kBytesPerKilobyte) +
                         static_cast<double>(status.total_page_file) / kilobyte;
    // Nothing reported at all: no share to divide out, and nothing free.
    if (total <= 0.0)
        return 0;
    return static_cast<int>(std::lround(available / total * kWhole));
}

std::string free_resources_caption(const platform::MemoryStatus& status)
{
    return std::to_string(free_resources_percent(status)) + "%";
}

} // namespace orr
