#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/LinkOutcome.h"

namespace ht57 {

// Everything known at the end of a Read, a Write, or a Write with its
// read-back.
struct TransferResult {
    TransferResult() = default;
    explicit TransferResult(const CloneReport& report) : transfer(report) {}

    CloneReport transfer;
    // A Write with verify whose write completed: the read-back session.
    std::optional<CloneReport> readBack;
    // A complete read-back: the written address runs that differ.
    std::vector<std::string> differences;
};

enum class TransferVerdict {
    Done,           // the whole transfer (and its read-back) succeeded
    NotStarted,     // port not opened, or another transfer running
    Failed,         // the Read, or the Write itself, failed
    Cancelled,      // stopped by the user
    WrittenUnread,  // the write completed but its read-back failed
    WrittenDiffers  // the write completed but the radio holds other bytes
};

TransferVerdict VerdictOf(const TransferResult& result);

// What a person is told: the main text (the program's fixed message words
// first where there are some) and a detail saying what happened to the radio and what to do.
struct TransferMessage {
    std::string text;
    std::string detail;
};

// The message for any outcome but a port that could not be opened, whose
// detail only the caller's port code knows. `portName` names the port in the
// advice for a communication error.
TransferMessage DescribeTransfer(const TransferResult& result, const std::string& portName);

}  // namespace ht57
