#pragma once

#include <optional>
#include <string>
#include <vector>

#include "RadioSimulator.h"

namespace ht57::sim {

struct SimOptions {
    std::string imagePath;          // empty: memory only, nothing saved
    std::optional<RadioBand> band;  // empty: from the image's band flag
    RadioFaults faults;
    int baud = 0;  // 0: answers go out at once
    std::string linkPath;
    std::string tracePath;
    bool help = false;
    bool version = false;
};

// Parses the command line (without the program name). On a usage error
// returns nothing and describes it in `error`.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);

// The help text, one line per option.
std::string SimUsage();

}  // namespace ht57::sim
