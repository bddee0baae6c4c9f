// ht57-cli write --verify to six ht57-sim paced at 9600 baud at once, against
// one radio alone in the same run: the batch should take about as long as
// its slowest radio.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "support/SimulatorProcess.h"

namespace {

using namespace ht57::test;

constexpr int kRadios = 6;

// Seconds one `ht57-cli write --verify` of default.dat takes for `radios`
// paced simulators, or a negative number when it failed.
double WriteAll(int radios) {
    std::vector<std::unique_ptr<SimulatorProcess>> sims;
    std::vector<std::string> args{"write", "--verify"};
    for (int i = 0; i < radios; ++i) {
        sims.push_back(std::make_unique<SimulatorProcess>(SimulatorSetup{{"--baud", "9600"}, {}}));
        if (!sims.back()->Started()) {
            std::fprintf(stderr, "cannot start ht57-sim: %s\n", sims.back()->Error().c_str());
            return -1;
        }
        args.insert(args.end(), {"--port", sims.back()->PortName()});
    }
    const std::filesystem::path bin(HT57_BIN_DIR);
    args.push_back((bin / "default.dat").string());
    const auto start = std::chrono::steady_clock::now();
    const CliResult result = RunProgram(HT57_CLI_PATH, args, bin);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (result.exitCode != 0) {
        std::fprintf(stderr, "write failed (%d): %s%s\n", result.exitCode, result.out.c_str(),
                     result.err.c_str());
        return -1;
    }
    return seconds;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    bool ok = true;
    for (int round = 1; round <= rounds; ++round) {
        const double one = WriteAll(1);
        const double all = WriteAll(kRadios);
        ok = ok && one > 0 && all > 0;
        std::printf("round %d: 1 radio %.2f s | %d radios at once %.2f s | ratio %.3f\n", round,
                    one, kRadios, all, one > 0 ? all / one : 0.0);
    }
    return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
