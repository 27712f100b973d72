// The termination signals (a desktop's log-out, a closed terminal, Ctrl+C) become a
// polite close request on the event loop, as the window's close box makes one.
#pragma once

#include <QSocketNotifier>
#include <functional>

#include "platform/termination_pipe.h"

class TerminationSignals {
public:
    explicit TerminationSignals(std::function<void()> close_request);

private:
    orr::platform::TerminationPipe pipe_;
    QSocketNotifier notifier_{pipe_.ReadEnd(), QSocketNotifier::Read};
};
