// A signal handler may do almost nothing: it writes one byte to a pipe, and the event
// loop, woken by the pipe, makes the close request.
#include "app/qt/termination_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

#include "core/event_guard.h"

namespace {

constexpr std::array kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, for the handlers.
volatile sig_atomic_t signal_pipe = -1;

extern "C" void on_termination_signal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(signal_pipe, &byte, 1);
    errno = saved;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> close_request)
    : close_request_(std::move(close_request))
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("No pipe for the termination signals");
    read_end_ = ends[0];
    write_end_ = ends[1];
    signal_pipe = write_end_;
    notifier_ = std::make_unique<QSocketNotifier>(read_end_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            [this] { orr::guarded([this] { Arrived(); }); });
    struct sigaction action {};
    action.sa_handler = on_termination_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    signal_pipe = -1;
    notifier_.reset();
    close(read_end_);
    close(write_end_);
}

void TerminationSignals::Arrived()
{
    char drained[64];
    while (read(read_end_, drained, sizeof drained) > 0) {
    }
    close_request_();
}
