#include "link/OutcomeCause.h"

#include "model/ProgrammingLog.h"

namespace ht57 {

std::string OutcomeCause(LinkOutcome outcome, const PortFailure& failure, bool readingBack,
                         const std::vector<std::string>& mismatches) {
    if (!mismatches.empty()) {
        std::string where;
        for (const std::string& run : mismatches) {
            where += (where.empty() ? "" : ", ") + run;
        }
        return "The radio does not hold what was written (at " + where + ")";
    }
    switch (outcome) {
        case LinkOutcome::Succeeded:
            return {};
        case LinkOutcome::Cancelled:
            return kInterruptedCause;
        case LinkOutcome::Busy:
            return "Another session of this program is using the port";
        case LinkOutcome::PortOpenFailed: {
            // "Fail to open port " ends in a blank the line does not need.
            std::string cause = OutcomeMessage(outcome);
            cause.pop_back();
            std::string why = DescribePortFailure(failure);
            for (char& c : why) {
                c = c == '\n' ? ' ' : c;
            }
            return why.empty() ? cause : cause + " (" + why + ")";
        }
        default:
            break;
    }
    const char* message = OutcomeMessage(outcome);
    const std::string cause = message ? message : "Communication error";
    return readingBack ? cause + " (reading back)" : cause;
}

}  // namespace ht57
