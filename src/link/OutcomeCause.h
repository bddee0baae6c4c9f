#pragma once

#include <string>
#include <vector>

#include "link/LinkOutcome.h"
#include "link/PortAccess.h"

namespace ht57 {

// Why a radio's Write failed, on one line and in English, as its log row and
// the command line's radio line give it: the outcome's message, with what
// the port said when it did not open, "(reading back)" when the write went
// through and the read-back did not, and the addresses a read-back found
// different. Empty for a success.
std::string OutcomeCause(LinkOutcome outcome, const PortFailure& failure, bool readingBack,
                         const std::vector<std::string>& mismatches);

}  // namespace ht57
