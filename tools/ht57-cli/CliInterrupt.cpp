#include "CliInterrupt.h"

#include <atomic>

namespace ht57::cli {
namespace {

std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) {
    gInterrupted = true;
}

}  // namespace

InterruptGuard::InterruptGuard() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, &previous_);
}

InterruptGuard::~InterruptGuard() {
    ::sigaction(SIGINT, &previous_, nullptr);
}

bool Interrupted() {
    return gInterrupted;
}

}  // namespace ht57::cli
