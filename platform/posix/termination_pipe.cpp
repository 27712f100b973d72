#include "platform/termination_pipe.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace orr::platform {

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

TerminationPipe::TerminationPipe()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("No pipe for the termination signals");
    read_end_ = ends[0];
    write_end_ = ends[1];
    signal_pipe = write_end_;
    struct sigaction action {};
    action.sa_handler = on_termination_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

TerminationPipe::~TerminationPipe()
{
    for (const int signal : kSignals)
        std::signal(signal, SIG_DFL);
    signal_pipe = -1;
    close(read_end_);
    close(write_end_);
}

void TerminationPipe::Drain()
{
    char drained[64];
    while (read(read_end_, drained, sizeof drained) > 0) {
    }
}

} // namespace orr::platform
