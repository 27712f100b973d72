// The quotations the About window shows under its logo, one at a time, each drawn
// independently and uniformly at random: the same one may come twice in a row.
#pragma once

#include <array>
#include <cstddef>
#include <random>

#include "core/clock.h"

namespace orr {

inline constexpr std::size_t kQuotationCount = 11;
extern const std::array<const char*, kQuotationCount> kQuotations;

// The pseudo-random generator behind the picks, seeded from the clock.
class QuotationPicker {
public:
    void Seed(const LocalDateTime& moment);
    // An index in 0 .. count - 1, uniformly; 0 when there is nothing to pick from.
    std::size_t Pick(std::size_t count);

private:
    std::mt19937 generator_;
};

} // namespace orr
