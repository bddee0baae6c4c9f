// ht57-sim: an HT-57 radio on a pseudo-terminal.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "OutputPacer.h"
#include "PseudoTerminal.h"
#include "RadioSimulator.h"
#include "SimImageFile.h"
#include "SimOptions.h"

namespace {

using namespace ht57;
using namespace ht57::sim;
using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t gStop = 0;

extern "C" void OnStopSignal(int) {
    gStop = 1;
}

// Appends everything the PC sends, flushed at once, so a test can compare
// the traffic while the simulator keeps running.
class TraceFile {
public:
    bool Open(const std::string& path) {
        fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        return fd_ >= 0;
    }
    ~TraceFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    void Append(const Byte* data, std::size_t size) {
        while (fd_ >= 0 && size > 0) {
            const ssize_t n = ::write(fd_, data, size);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return;
            }
            data += n;
            size -= static_cast<std::size_t>(n);
        }
    }

private:
    int fd_ = -1;
};

struct Runtime {
    Image memory{};
    std::optional<SimImageFile> file;

    void Save() {
        if (!file) {
            return;
        }
        std::string error;
        if (!file->Save(memory, error)) {
            std::fprintf(stderr, "ht57-sim: cannot save the image: %s\n", error.c_str());
        }
    }
};

void InstallSignals(sigset_t& waitMask) {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGHUP, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);

    // The stop signals are let through only while waiting in ppoll, so a
    // signal can never slip in between the check and the wait.
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGINT);
    sigaddset(&blocked, SIGTERM);
    sigaddset(&blocked, SIGHUP);
    ::sigprocmask(SIG_BLOCK, &blocked, &waitMask);
    sigdelset(&waitMask, SIGINT);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGHUP);
}

// Sends whatever is due; false when the master refuses more for now.
bool Flush(int fd, OutputPacer& pacer, Clock::time_point now) {
    std::array<Byte, 512> chunk{};
    for (std::size_t due = pacer.Due(now); due > 0; due = pacer.Due(now)) {
        const std::size_t n = pacer.Peek(chunk.data(), std::min(due, chunk.size()));
        const ssize_t written = ::write(fd, chunk.data(), n);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        pacer.Sent(static_cast<std::size_t>(written), now);
    }
    return true;
}

int Run(const SimOptions& options) {
    Runtime runtime;
    if (!options.imagePath.empty()) {
        runtime.file.emplace(options.imagePath);
        std::string error;
        auto loaded = runtime.file->Load(error);
        if (!loaded) {
            std::fprintf(stderr, "ht57-sim: %s\n", error.c_str());
            return 1;
        }
        runtime.memory = *loaded;
    } else {
        runtime.memory = BuiltInImage();
    }
    const RadioBand band =
        options.band.value_or(BandFlag(runtime.memory) ? RadioBand::Uhf : RadioBand::Vhf);

    TraceFile trace;
    if (!options.tracePath.empty() && !trace.Open(options.tracePath)) {
        std::fprintf(stderr, "ht57-sim: %s: %s\n", options.tracePath.c_str(), std::strerror(errno));
        return 1;
    }

    std::string error;
    auto pty = PseudoTerminal::Open(error);
    if (!pty) {
        std::fprintf(stderr, "ht57-sim: %s\n", error.c_str());
        return 1;
    }
    std::optional<StableLink> link =
        options.linkPath.empty() ? std::nullopt
                                 : StableLink::Create(options.linkPath, pty->SlavePath(), error);
    if (!options.linkPath.empty()) {
        if (!link) {
            std::fprintf(stderr, "ht57-sim: %s\n", error.c_str());
            return 1;
        }
    }

    sigset_t waitMask;
    InstallSignals(waitMask);

    std::printf("%s\n", pty->SlavePath().c_str());
    std::fflush(stdout);

    OutputPacer pacer(options.baud);
    Clock::time_point now = Clock::now();
    RadioSimulator radio(runtime.memory, band, options.faults,
                         RadioHost{
                             .send = [&](std::span<const Byte> bytes) { pacer.Push(bytes, now); },
                             .pause = [&](std::chrono::milliseconds gap) { pacer.Pause(gap, now); },
                             .discardPendingOutput = [&] { pacer.Clear(); },
                             .saveMemory = [&] { runtime.Save(); },
                         });

    const int fd = pty->MasterFd();
    std::array<Byte, 4096> buffer{};
    while (!gStop) {
        now = Clock::now();
        radio.Expire(now);
        const bool blocked = !Flush(fd, pacer, now);

        std::optional<Clock::time_point> wake = radio.Deadline();
        if (auto due = pacer.NextDue(now); due && (!wake || *due < *wake)) {
            wake = due;
        }
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        if (wake) {
            const auto wait = std::max(Clock::duration::zero(), *wake - now);
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            timeout.tv_sec = static_cast<time_t>(ns / 1'000'000'000);
            timeout.tv_nsec = static_cast<long>(ns % 1'000'000'000);
            timeoutPtr = &timeout;
        }
        pollfd pfd{fd, static_cast<short>(POLLIN | (blocked ? POLLOUT : 0)), 0};
        const int ready = ::ppoll(&pfd, 1, timeoutPtr, &waitMask);
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::fprintf(stderr, "ht57-sim: poll: %s\n", std::strerror(errno));
            break;
        }
        if (ready == 0 || !(pfd.revents & (POLLIN | POLLHUP | POLLERR))) {
            continue;
        }
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n > 0) {
            const auto count = static_cast<std::size_t>(n);
            trace.Append(buffer.data(), count);
            now = Clock::now();
            radio.Receive(std::span<const Byte>(buffer.data(), count), now);
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            // The slave is held open here, so this should not happen; avoid
            // spinning on a broken terminal all the same.
            ::usleep(10'000);
        }
    }
    runtime.Save();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::puts("ht57-sim " HT57_VERSION);
        return 0;
    }
    std::string error;
    auto options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "ht57-sim: %s (see --help)\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(SimUsage().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::puts("ht57-sim " HT57_VERSION);
        return 0;
    }
    return Run(*options);
}
