#pragma once

#include <signal.h>

namespace ht57::cli {

// While one lives, Ctrl+C only raises a flag that sessions look at between
// blocks, the way the transfer dialog's Exit does, so a Write still sends its
// abort and waits between radios end cleanly. A second Ctrl+C ends the
// process.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction previous_ {};
};

// True once Ctrl+C was pressed under a guard.
bool Interrupted();

}  // namespace ht57::cli
