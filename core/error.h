// Typed errors with fixed messages. They travel up to the event guard,
// which shows them in the general error report.
#pragma once

#include <stdexcept>
#include <string>

namespace orr {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A date part combination that is no valid date.
class EConvertError : public Error {
public:
    using Error::Error;
};

// Misuse of the grid base: a cell or a heading count outside the grid.
class EInvalidGridOperation : public Error {
public:
    using Error::Error;
};

inline constexpr const char* kDateEncodeMessage = "Invalid argument to date encode";
inline constexpr const char* kGridIndexMessage = "Grid index out of range";

} // namespace orr
