#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/Image.h"

namespace ht57::test {

// What the simulated radio starts with.
struct SimulatorSetup {
    // Extra ht57-sim options, e.g. {"--band", "uhf", "--nak-write-block", "3"}.
    std::vector<std::string> args;
    // Memory at start; the simulator's built-in image when absent.
    std::optional<Image> image;
};

// Runs ht57-sim in a temporary folder of its own for the lifetime of this
// object. The simulator keeps its memory in ImagePath() and records every
// byte it receives in TracePath(). The destructor stops the process and
// removes the folder.
class SimulatorProcess {
public:
    explicit SimulatorProcess(SimulatorSetup setup = {});
    ~SimulatorProcess();

    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    // False when the simulator could not be started; Error() says why.
    bool Started() const { return pid_ > 0 && !portName_.empty(); }
    const std::string& Error() const { return error_; }

    // The pseudo-terminal to open as the serial port.
    const std::string& PortName() const { return portName_; }

    const std::filesystem::path& Folder() const { return folder_; }
    // The --image and --trace files: in Folder() unless the setup named others.
    const std::filesystem::path& ImagePath() const { return imagePath_; }
    const std::filesystem::path& TracePath() const { return tracePath_; }

    // Every byte the simulator has received so far.
    std::vector<Byte> Trace() const;

    // Waits until the trace holds at least `size` bytes; false on time-out.
    bool WaitForTrace(std::size_t size,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

    // The memory as last saved: after Stop(), or after the simulator saved on
    // its own (end of a write session, end of calibration).
    std::optional<Image> SavedImage() const;

    // Sends SIGTERM and waits for the process; it saves its memory on the way
    // out. Returns its exit status (-1 when it died from a signal or was not
    // running).
    int Stop();

    // True while the process runs.
    bool Running();

private:
    bool Start(SimulatorSetup setup);

    std::filesystem::path folder_;
    std::filesystem::path imagePath_;
    std::filesystem::path tracePath_;
    std::string portName_;
    std::string error_;
    pid_t pid_ = -1;
    int exitStatus_ = -1;
};

// The ht57-sim executable the tests were built with.
std::filesystem::path SimulatorExecutable();

}  // namespace ht57::test
