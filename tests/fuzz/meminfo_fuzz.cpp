// libFuzzer target for the /proc/meminfo text behind the About window's free-memory
// figure: any text reads without a crash into amounts that fit together (nothing more
// available than there is, a load between 0 and 100 %), and the figure stays a share.
#include <cstdint>
#include <string_view>

#include "about/free_resources.h"
#include "platform/memory_status.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

constexpr int kWhole = 100;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const orr::platform::MemoryStatus status = orr::platform::parse_meminfo(text);
    require(status.available_physical <= status.total_physical, "more memory available than there is");
    require(status.available_page_file <= status.total_page_file, "more swap free than there is");
    require(status.load_percent >= 0 && status.load_percent <= kWhole, "load outside 0..100");
    require(status.total_physical > 0 || status.load_percent == 0, "a load without memory");
    const int free = orr::free_resources_percent(status);
    require(free >= 0 && free <= kWhole, "free share outside 0..100");
    return 0;
}
