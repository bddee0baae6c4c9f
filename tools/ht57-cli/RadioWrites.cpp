#include "RadioWrites.h"

#include <atomic>
#include <mutex>
#include <thread>

#include "CliCommands.h"
#include "CliInterrupt.h"
#include "ProgressBar.h"
#include "link/CloneSession.h"
#include "link/OutcomeCause.h"
#include "link/RadioPresence.h"
#include "link/SerialPortLink.h"
#include "model/ImageDiff.h"

namespace ht57::cli {
namespace {

// How often a swapped cable is asked whether a radio answers.
constexpr int kPollMs = 500;

std::mutex gOutput;

void PrintLine(const std::string& line) {
    const std::lock_guard lock(gOutput);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

CloneReport RunClone(SerialPortLink& link, Image& image, const PortSettings& settings,
                     TransferPlan plan, ProgressBar* progress) {
    CloneSession* running = nullptr;
    CloneCallbacks callbacks;
    callbacks.progress = [&](int done, int total) {
        if (progress) {
            progress->Update(done, total);
        }
        // Looked at where the engine looks at its cancel flag: after a block.
        if (Interrupted()) {
            running->Cancel();
        }
    };
    CloneSession session(link, image, settings, std::move(plan), std::move(callbacks));
    running = &session;
    session.Run();
    if (progress) {
        progress->Finish();
    }
    return session.Report();
}

RadioWrite WriteRadio(const PortSettings& settings, const Image& image, bool verify,
                      ProgressBar* progress) {
    RadioWrite radio;
    radio.port = settings.name;
    SerialPortLink link;
    Image sent = image;
    radio.result =
        TransferResult(RunClone(link, sent, settings, TransferPlan::ForWrite(), progress));
    radio.outcome = radio.result.transfer.outcome;
    if (radio.outcome == LinkOutcome::Succeeded && verify) {
        radio.readingBack = true;
        Image readBack = image;
        radio.result.readBack =
            RunClone(link, readBack, settings, TransferPlan::ForRead(), progress);
        radio.outcome = radio.result.readBack->outcome;
        if (radio.outcome == LinkOutcome::Succeeded) {
            radio.mismatches = WrittenRangeMismatches(image, readBack);
            radio.result.differences = radio.mismatches;
        }
    }
    if (radio.outcome == LinkOutcome::PortOpenFailed) {
        radio.portFailure = link.OpenFailure();
    }
    return radio;
}

std::string RadioOutcome(const RadioWrite& radio, bool verify) {
    const RadioResult result = !radio.Succeeded() ? RadioResult::Failed
                               : verify           ? RadioResult::Verified
                                                  : RadioResult::Written;
    return RadioOutcomeText(result, OutcomeCause(radio.outcome, radio.portFailure,
                                                 radio.readingBack, radio.mismatches));
}

bool LogRadio(Batch& batch, const RadioWrite& radio) {
    if (!batch.log) {
        return true;
    }
    const Result appended =
        batch.log->Append({Iso8601(CurrentLocalTime()), radio.port, batch.dataFile,
                           WrittenBytesDigest(batch.image), RadioOutcome(radio, batch.verify)});
    if (!appended) {
        const std::lock_guard lock(gOutput);
        std::fprintf(stderr, "ht57-cli: %s\n(%s)\n", appended.message.c_str(),
                     appended.detail.c_str());
    }
    return static_cast<bool>(appended);
}

int WriteInParallel(const std::vector<PortSettings>& ports, Batch& batch) {
    std::vector<RadioWrite> radios(ports.size());
    std::atomic<bool> logged{true};
    {
        const InterruptGuard guard;
        std::vector<std::jthread> workers;
        for (std::size_t i = 0; i < ports.size(); ++i) {
            workers.emplace_back([&, i] {
                radios[i] = WriteRadio(ports[i], batch.image, batch.verify, nullptr);
                const RadioWrite& radio = radios[i];
                PrintLine(radio.port + ": " + RadioOutcome(radio, batch.verify));
                if (!LogRadio(batch, radio)) {
                    logged = false;
                }
            });
        }
    }
    bool interrupted = false;
    bool failed = !logged;
    for (const RadioWrite& radio : radios) {
        interrupted = interrupted || radio.outcome == LinkOutcome::Cancelled;
        failed = failed || !radio.Succeeded();
    }
    return interrupted ? kExitInterrupted : failed ? kExitFailure : kExitSuccess;
}

int WriteOneAfterAnother(const PortSettings& port, int radios, Batch& batch) {
    const InterruptGuard guard;
    int written = 0;
    bool logged = true;
    for (int number = 1; number <= radios; ++number) {
        if (number > 1) {
            std::fprintf(stderr,
                         "Radio %d done. Disconnect it and connect radio %d to %s (Ctrl+C "
                         "ends).\n",
                         number - 1, number, port.name.c_str());
            SerialPortLink probe;
            if (!WaitForRadio(probe, port, false, kPollMs, Interrupted) ||
                !WaitForRadio(probe, port, true, kPollMs, Interrupted)) {
                break;
            }
        }
        ProgressBar progress(stderr);
        const RadioWrite radio = WriteRadio(port, batch.image, batch.verify, &progress);
        PrintLine("radio " + std::to_string(number) + ", " + radio.port + ": " +
                  RadioOutcome(radio, batch.verify));
        logged = LogRadio(batch, radio) && logged;
        if (!radio.Succeeded()) {
            if (radio.outcome != LinkOutcome::Cancelled) {
                std::fprintf(stderr,
                             "ht57-cli: Radio %d failed and must be written again; %d of %d "
                             "radios written\n",
                             number, written, radios);
                return kExitFailure;
            }
            break;
        }
        ++written;
    }
    if (written == radios) {
        return logged ? kExitSuccess : kExitFailure;
    }
    std::fprintf(stderr, "ht57-cli: Interrupted; %d of %d radios written\n", written, radios);
    return kExitInterrupted;
}

}  // namespace ht57::cli
