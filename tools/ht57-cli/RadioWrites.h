#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "link/CloneSession.h"
#include "link/LinkOutcome.h"
#include "link/PortAccess.h"
#include "link/SerialPortLink.h"
#include "link/TransferMessage.h"
#include "model/Image.h"
#include "model/ProgrammingLog.h"

namespace ht57::cli {

class ProgressBar;

// What became of one radio's Write (and read-back, when asked for).
struct RadioWrite {
    std::string port;
    LinkOutcome outcome = LinkOutcome::Succeeded;  // the read-back's once the write succeeded
    bool readingBack = false;                      // outcome is the read-back's
    PortFailure portFailure;                       // when the port did not open
    std::vector<std::string> mismatches;           // read back otherwise than written
    TransferResult result;                         // how far the write and read-back got

    bool Succeeded() const { return outcome == LinkOutcome::Succeeded && mismatches.empty(); }
};

// One clone session on the calling thread, its progress drawn on `progress`
// (may be null); Ctrl+C under an InterruptGuard stops it after the block in
// progress.
CloneReport RunClone(SerialPortLink& link, Image& image, const PortSettings& settings,
                     TransferPlan plan, ProgressBar* progress);

// Writes the image to the radio on one port and, with `verify`, reads it back
// and compares the written range. Ctrl+C under an InterruptGuard stops it
// after the block in progress. `progress` may be null.
RadioWrite WriteRadio(const PortSettings& settings, const Image& image, bool verify,
                      ProgressBar* progress);

// "verified", "written" or "failed: CAUSE", as the radio's line and its log
// row say.
std::string RadioOutcome(const RadioWrite& radio, bool verify);

// What a batch shares: the bytes, whether to verify, where to log.
struct Batch {
    const Image& image;
    bool verify = false;
    std::string dataFile;           // the file's name, for the log
    ProgrammingLog* log = nullptr;  // none when not asked for
};

// One worker thread per port, all at once; a line per radio on standard
// output as each finishes. Exit 0 when every radio succeeded, 1 when any
// failed (the others still finish), 130 when Ctrl+C stopped them.
int WriteInParallel(const std::vector<PortSettings>& ports, Batch& batch);

// `radios` radios swapped on one port: after each, waits until it no longer
// answers and then for the next one to answer. A failure ends the run; so
// does Ctrl+C, between radios or during one, with the count written.
int WriteOneAfterAnother(const PortSettings& port, int radios, Batch& batch);

// Appends the radio's row; a row that cannot be kept is reported on stderr.
bool LogRadio(Batch& batch, const RadioWrite& radio);

}  // namespace ht57::cli
