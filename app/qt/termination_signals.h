// SIGTERM, SIGHUP and SIGINT (a desktop's log-out, a closed terminal, Ctrl+C) become a
// polite close request on the event loop, as the window's close box makes one.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

class TerminationSignals : public QObject {
public:
    // Only one may exist at a time: the signal handlers reach it through the process.
    explicit TerminationSignals(std::function<void()> close_request);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    void Arrived();

    std::function<void()> close_request_;
    int read_end_ = -1;
    int write_end_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};
