// The one guard every event handler runs through: an error that leaves the
// handler is shown by the general error report and the program goes on.
#pragma once

#include <utility>

#include "core/dialogs.h"
#include "core/error.h"

namespace orr {

template <typename Handler>
void guarded(Handler&& handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        report_error(e.what());
    } catch (...) {
        report_error("Unexpected error");
    }
}

} // namespace orr
