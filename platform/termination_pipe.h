// SIGTERM, SIGHUP and SIGINT (a desktop's log-out, a closed terminal, Ctrl+C) turned
// into a byte on a pipe that an event loop watches: a signal handler may do almost
// nothing else. POSIX only.
#pragma once

namespace orr::platform {

class TerminationPipe {
public:
    // Only one may exist at a time: the handlers reach it through the process.
    TerminationPipe();
    ~TerminationPipe();
    TerminationPipe(const TerminationPipe&) = delete;
    TerminationPipe& operator=(const TerminationPipe&) = delete;

    // Readable once a signal has arrived.
    int ReadEnd() const { return read_end_; }
    // Empties the pipe, so that it is readable again only for a later signal.
    void Drain();

private:
    int read_end_ = -1;
    int write_end_ = -1;
};

} // namespace orr::platform
