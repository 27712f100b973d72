// The free-resources figure from a memory status, and the Linux stand-in for the
// memory status read from /proc/meminfo texts.
#include <gtest/gtest.h>

#include "about/free_resources.h"

namespace orr {
namespace {

using platform::MemoryStatus;

struct FigureCase {
    const char* name;
    MemoryStatus status;
    std::string caption;
};

class Figure : public ::testing::TestWithParam<FigureCase> {};

TEST_P(Figure, IsTheFreeShareFollowedDirectlyByPercent)
{
    EXPECT_EQ(free_resources_caption(GetParam().status), GetParam().caption);
}

constexpr std::uint64_t kKiB = 1024;
constexpr std::uint64_t kGiB = kKiB * kKiB * kKiB;

INSTANTIATE_TEST_SUITE_P(
    FreeResources, Figure,
    ::testing::Values(FigureCase{"LoadGivesItsComplement", {35, 8 * kGiB, 1 * kGiB, 0, 0}, "65%"},
                      FigureCase{"FullLoad", {100, 8 * kGiB, 0, 0, 0}, "0%"},
                      FigureCase{"LoadOneIgnoresTheAmounts", {1, 8 * kGiB, 0, 0, 0}, "99%"},
                      FigureCase{
                          "LoadZeroComputesTheShare", {0, 3 * kGiB, 1 * kGiB, 1 * kGiB, 1 * kGiB}, "50%"},
                      // 2 of 3: 66.67 rounds up; 1 of 3: 33.33 rounds down.
                      FigureCase{"LoadZeroRoundsUp", {0, 3 * kKiB, 2 * kKiB, 0, 0}, "67%"},
                      FigureCase{"LoadZeroRoundsDown", {0, 3 * kKiB, 1 * kKiB, 0, 0}, "33%"},
                      // Physical amounts are cut to whole kilobytes, the page file's are not:
                      // (0 + 0.5) / (1 + 1) gives 25, where uncut amounts would give 50.
                      FigureCase{"PhysicalCutPageFileNot", {0, 2047, 1023, 1024, 512}, "25%"},
                      // Nothing reported at all: no share to compute, nothing free.
                      FigureCase{"NothingReported", {0, 0, 0, 0, 0}, "0%"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemInfo, ReadsTheFourAmountsAndTheLoadInWholePercent)
{
    const char* text = "MemTotal:       16303412 kB\n"
                       "MemFree:         1123456 kB\n"
                       "MemAvailable:   10597218 kB\n"
                       "Buffers:          234567 kB\n"
                       "SwapCached:            0 kB\n"
                       "SwapTotal:       2097148 kB\n"
                       "SwapFree:        1048574 kB\n";
    const MemoryStatus status = platform::parse_meminfo(text);
    EXPECT_EQ(status.total_physical, 16303412 * kKiB);
    EXPECT_EQ(status.available_physical, 10597218 * kKiB);
    EXPECT_EQ(status.total_page_file, 2097148 * kKiB);
    EXPECT_EQ(status.available_page_file, 1048574 * kKiB);
    // 5706194 of 16303412 in use: 34.999... rounds to 35.
    EXPECT_EQ(status.load_percent, 35);
    EXPECT_EQ(free_resources_caption(status), "65%");
}

TEST(MemInfo, OlderKernelsWithoutMemAvailableUseMemFree)
{
    const MemoryStatus status = platform::parse_meminfo(
        "MemTotal: 1000 kB\nMemFree: 250 kB\nSwapTotal: 0 kB\n");
    EXPECT_EQ(status.available_physical, 250 * kKiB);
    EXPECT_EQ(status.load_percent, 75);
}

TEST(MemInfo, MissingOrGarbledLinesReadAsNothing)
{
    for (const char* text : {"", "MemTotal: lots\n", "MemTotalish: 5 kB\n", "Garbage\n\n\n",
                             "MemTotal: 99999999999999999999 kB\n"}) {
        const MemoryStatus status = platform::parse_meminfo(text);
        EXPECT_EQ(status.total_physical, 0u) << text;
        EXPECT_EQ(status.load_percent, 0) << text;
        EXPECT_EQ(free_resources_caption(status), "0%") << text;
    }
    // Available more than the total (a racing read) never gives a negative load.
    const MemoryStatus odd = platform::parse_meminfo("MemTotal: 100 kB\nMemAvailable: 300 kB\n");
    EXPECT_EQ(odd.load_percent, 0);
    EXPECT_EQ(free_resources_caption(odd), "100%");
}

} // namespace
} // namespace orr
