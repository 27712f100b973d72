// The one guard every event handler runs through: an error that leaves the
// handler is shown by the general error report and the program goes on.
#pragma once

#include <string>
#include <utility>

#include "core/dialogs.h"
#include "core/error.h"

namespace orr {

// The message of whatever left the handler goes to report; the general error report
// by default.
template <typename Handler, typename Report>
void guarded(Handler&& handler, Report&& report) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        report(std::string(e.what()));
    } catch (...) {
        report(std::string("Unexpected error"));
    }
}

template <typename Handler>
void guarded(Handler&& handler) noexcept
{
    guarded(std::forward<Handler>(handler), [](const std::string& message) { report_error(message); });
}

} // namespace orr
