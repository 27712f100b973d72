// Reading /proc/meminfo's text; portable so that it is tested on every platform.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "platform/memory_status.h"

namespace orr::platform {
namespace {

constexpr std::uint64_t kBytesPerKiB = 1024;
constexpr double kPercent = 100.0;

// The amount of one "Name:   1234 kB" line, in bytes.
std::optional<std::uint64_t> field(std::string_view text, std::string_view name)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ':')
            continue;
        std::string_view rest = line.substr(name.size() + 1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        std::uint64_t kib = 0;
        const auto [stop, error] = std::from_chars(rest.data(), rest.data() + rest.size(), kib);
        if (error != std::errc() || kib > UINT64_MAX / kBytesPerKiB)
            return std::nullopt;
        return kib * kBytesPerKiB;
    }
    return std::nullopt;
}

} // namespace

MemoryStatus parse_meminfo(std::string_view text)
{
    MemoryStatus status;
    status.total_physical = field(text, "MemTotal").value_or(0);
    status.available_physical = field(text, "MemAvailable").value_or(field(text, "MemFree").value_or(0));
    status.available_physical = std::min(status.available_physical, status.total_physical);
    status.total_page_file = field(text, "SwapTotal").value_or(0);
    status.available_page_file = std::min(field(text, "SwapFree").value_or(0), status.total_page_file);
    if (status.total_physical > 0) {
        const double used = static_cast<double>(status.total_physical - status.available_physical);
        status.load_percent = static_cast<int>(std::lround(used * kPercent / status.total_physical));
    }
    return status;
}

} // namespace orr::platform
