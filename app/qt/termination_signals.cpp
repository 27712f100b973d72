#include "app/qt/termination_signals.h"

#include "core/event_guard.h"

TerminationSignals::TerminationSignals(std::function<void()> close_request)
{
    QObject::connect(&notifier_, &QSocketNotifier::activated,
                     [this, close_request = std::move(close_request)] {
                         pipe_.Drain();
                         orr::guarded(close_request);
                     });
}
