#include "link/TransferMessage.h"

#include <cstdio>

namespace ht57 {
namespace {

std::string Hex(std::uint16_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%03X", static_cast<unsigned>(address));
    return text;
}

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

std::string CheckAdvice(const std::string& portName) {
    return Fill(Msg("Model",
                    "Check the cable, that %1 is the port the radio is on, that the radio is "
                    "switched on and in programming mode, and that no other program holds the "
                    "port."),
                portName);
}

// Where a failed session stopped, after "Communication error".
std::string WhereItStopped(const CloneReport& report, const std::string& portName) {
    switch (report.phase) {
        case ClonePhase::Handshake:
            return Fill(Msg("Model", "Communication error: the radio did not answer on %1."),
                        portName);
        case ClonePhase::Identification:
            return Fill(Msg("Model",
                            "Communication error: the radio's identification on %1 was cut short."),
                        portName);
        default:
            if (report.failedAddress) {
                return Fill(Msg("Model", "Communication error at address %1 (block %2 of %3)."),
                            Hex(*report.failedAddress), report.blocksDone + 1, report.totalBlocks);
            }
            return Fill(Msg("Model", "Communication error"));
    }
}

// What a Write that did not finish may have left in the radio.
std::string PartlyWritten(const CloneReport& report) {
    if (report.phase != ClonePhase::Blocks) {
        return Fill(Msg("Model", "Nothing was written to the radio."));
    }
    return Fill(Msg("Model",
                    "The radio may now hold a mix of old and new settings (%1 of %2 blocks were "
                    "written) and must be written again before use."),
                report.blocksDone, report.totalBlocks);
}

}  // namespace

TransferVerdict VerdictOf(const TransferResult& result) {
    switch (result.transfer.outcome) {
        case LinkOutcome::Succeeded:
            break;
        case LinkOutcome::Cancelled:
            return TransferVerdict::Cancelled;
        case LinkOutcome::PortOpenFailed:
        case LinkOutcome::Busy:
            return TransferVerdict::NotStarted;
        default:
            return TransferVerdict::Failed;
    }
    if (!result.readBack) {
        return TransferVerdict::Done;
    }
    switch (result.readBack->outcome) {
        case LinkOutcome::Succeeded:
            return result.differences.empty() ? TransferVerdict::Done
                                              : TransferVerdict::WrittenDiffers;
        case LinkOutcome::Cancelled:
            return TransferVerdict::Cancelled;
        default:
            return TransferVerdict::WrittenUnread;
    }
}

TransferMessage DescribeTransfer(const TransferResult& result, const std::string& portName) {
    const CloneReport& transfer = result.transfer;
    const bool write = transfer.kind == TransferKind::Write;
    switch (VerdictOf(result)) {
        case TransferVerdict::Done:
            if (!write) {
                return {Fill(Msg("Model", "Read complete: %1 bytes from the radio."),
                             transfer.bytesDone),
                        {}};
            }
            if (result.readBack) {
                return {Fill(Msg("Model",
                                 "Write complete: %1 bytes; verified: the radio holds what was "
                                 "written."),
                             transfer.bytesDone),
                        {}};
            }
            return {Fill(Msg("Model", "Write complete: %1 bytes sent to the radio."),
                         transfer.bytesDone),
                    {}};
        case TransferVerdict::NotStarted:
            if (transfer.outcome == LinkOutcome::PortOpenFailed) {
                return {Fill(Msg("Model", "Fail to open port ")), {}};
            }
            return {Fill(Msg("Model",
                             "Another transfer with the radio is running; nothing was "
                             "done.")),
                    {}};
        case TransferVerdict::Failed:
            return {WhereItStopped(transfer, portName),
                    (write ? PartlyWritten(transfer)
                           : Fill(Msg("Model", "Nothing was changed in the data set."))) +
                        "\n" + CheckAdvice(portName)};
        case TransferVerdict::Cancelled:
            if (result.readBack) {
                return {Fill(Msg("Model",
                                 "Write complete: %1 bytes; the read-back was cancelled, so the "
                                 "write is not verified."),
                             transfer.bytesDone),
                        {}};
            }
            if (!write) {
                return {Fill(Msg("Model", "Read cancelled: nothing was changed.")), {}};
            }
            return {Fill(Msg("Model", "Write cancelled after %1 of %2 blocks."),
                         transfer.blocksDone, transfer.totalBlocks),
                    PartlyWritten(transfer)};
        case TransferVerdict::WrittenUnread:
            return {Fill(Msg("Model",
                             "Write complete: %1 bytes, but reading them back failed, so the "
                             "write is not verified."),
                         transfer.bytesDone),
                    WhereItStopped(*result.readBack, portName) + "\n" + CheckAdvice(portName)};
        case TransferVerdict::WrittenDiffers:
            return {
                Fill(Msg("Model", "Write complete, but the radio does not hold what was written.")),
                Fill(Msg("Model", "Differs at %1. Write it again before use."),
                     Joined(result.differences))};
    }
    return {};
}

}  // namespace ht57
