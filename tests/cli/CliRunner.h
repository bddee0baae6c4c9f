#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ht57::test {

struct CliResult {
    int exitCode = -1;  // -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// A program started with standard input closed and both output streams
// going to pipes; Finish collects them and waits for its end. One not
// finished is killed when the object goes.
class StartedProgram {
public:
    StartedProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                   const std::filesystem::path& workDir);
    ~StartedProgram();
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // The process, -1 when it could not be started.
    int Pid() const { return pid_; }
    CliResult Finish();

private:
    int pid_ = -1;
    int out_ = -1;
    int err_ = -1;
    std::string error_;
};

// Runs a program to its end with the given arguments in `workDir`, with
// standard input closed, collecting both output streams.
CliResult RunProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                     const std::filesystem::path& workDir);

}  // namespace ht57::test
