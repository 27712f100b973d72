// Making and recognising temporary file names.
#include "platform/temporary_name.h"

#include <atomic>
#include <limits>

#include "platform/process_id.h"

namespace orr::platform {

namespace {

constexpr std::string_view kSuffix = ".tmp";

std::atomic<std::uint64_t> next_serial{0};

// Decimal digits only, at most limit.
std::optional<std::uint64_t> digits_value(std::string_view text, std::uint64_t limit)
{
    constexpr std::uint64_t kLastSafe = (std::numeric_limits<std::uint64_t>::max() - 9) / 10;
    if (text.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || value > kLastSafe)
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

} // namespace

std::string next_temporary_name(const std::string& target)
{
    return target + "." + std::to_string(current_process_id()) + "-" + std::to_string(next_serial++) +
           std::string(kSuffix);
}

std::optional<std::uint32_t> temporary_owner(std::string_view target_file_name, std::string_view name)
{
    if (target_file_name.empty() || name.size() <= target_file_name.size() + 1 ||
        name.substr(0, target_file_name.size()) != target_file_name || name[target_file_name.size()] != '.' ||
        !name.ends_with(kSuffix)) {
        return std::nullopt;
    }
    const std::string_view middle = name.substr(target_file_name.size() + 1,
                                                name.size() - target_file_name.size() - 1 - kSuffix.size());
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto id = digits_value(middle.substr(0, dash), std::numeric_limits<std::uint32_t>::max());
    const auto serial = digits_value(middle.substr(dash + 1), std::numeric_limits<std::uint64_t>::max());
    if (!id || !serial)
        return std::nullopt;
    return static_cast<std::uint32_t>(*id);
}

} // namespace orr::platform
