#include "support/SimulatorProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <thread>

extern char** environ;

namespace ht57::test {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);
constexpr auto kStopTimeout = std::chrono::seconds(10);

std::vector<Byte> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The value given for an option, if the option is there.
std::optional<std::string> OptionValue(const std::vector<std::string>& args,
                                       const std::string& name) {
    for (std::size_t i = 0; i + 1 < args.size(); ++i) {
        if (args[i] == name) {
            return args[i + 1];
        }
    }
    return std::nullopt;
}

// Reads the simulator's first output line, giving up after the time-out.
std::optional<std::string> ReadFirstLine(int fd, std::chrono::steady_clock::time_point deadline) {
    std::string line;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return std::nullopt;
        }
        pollfd pfd{fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return std::nullopt;
        }
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n <= 0) {
            return std::nullopt;  // the simulator ended before saying where it is
        }
        if (c == '\n') {
            return line;
        }
        line += c;
    }
}

}  // namespace

std::filesystem::path SimulatorExecutable() {
    return HT57_SIM_PATH;
}

SimulatorProcess::SimulatorProcess(SimulatorSetup setup) {
    if (!Start(std::move(setup))) {
        Stop();
    }
}

SimulatorProcess::~SimulatorProcess() {
    Stop();
    if (!folder_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
}

bool SimulatorProcess::Start(SimulatorSetup setup) {
    std::string pattern = (std::filesystem::temp_directory_path() / "ht57-sim-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        error_ = "mkdtemp: " + std::string(std::strerror(errno));
        return false;
    }
    folder_ = pattern;
    imagePath_ = OptionValue(setup.args, "--image").value_or((folder_ / "radio.img").string());
    tracePath_ = OptionValue(setup.args, "--trace").value_or((folder_ / "trace.bin").string());

    if (setup.image) {
        std::ofstream out(ImagePath(), std::ios::binary);
        out.write(reinterpret_cast<const char*>(setup.image->data()),
                  static_cast<std::streamsize>(setup.image->size()));
        if (!out) {
            error_ = "cannot write " + ImagePath().string();
            return false;
        }
    }

    std::vector<std::string> args{SimulatorExecutable().string()};
    if (!OptionValue(setup.args, "--image")) {
        args.insert(args.end(), {"--image", ImagePath().string()});
    }
    if (!OptionValue(setup.args, "--trace")) {
        args.insert(args.end(), {"--trace", TracePath().string()});
    }
    args.insert(args.end(), setup.args.begin(), setup.args.end());
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        error_ = "pipe: " + std::string(std::strerror(errno));
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    const int spawned = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0) {
        pid_ = -1;
        ::close(pipeFds[0]);
        error_ = "cannot start " + args[0] + ": " + std::strerror(spawned);
        return false;
    }
    auto line = ReadFirstLine(pipeFds[0], std::chrono::steady_clock::now() + kStartTimeout);
    ::close(pipeFds[0]);
    if (!line || line->empty()) {
        error_ = "ht57-sim did not report its port";
        return false;
    }
    portName_ = *line;
    return true;
}

std::vector<Byte> SimulatorProcess::Trace() const {
    return ReadWholeFile(TracePath());
}

bool SimulatorProcess::WaitForTrace(std::size_t size, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (true) {
        std::error_code ec;
        const auto current = std::filesystem::file_size(TracePath(), ec);
        if (!ec && current >= size) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

std::optional<Image> SimulatorProcess::SavedImage() const {
    const auto bytes = ReadWholeFile(ImagePath());
    if (bytes.size() != kImageSize && bytes.size() != 2 * kImageSize) {
        return std::nullopt;
    }
    Image image;
    std::copy(bytes.end() - static_cast<std::ptrdiff_t>(kImageSize), bytes.end(), image.begin());
    return image;
}

bool SimulatorProcess::Running() {
    if (pid_ <= 0) {
        return false;
    }
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
        exitStatus_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
        return false;
    }
    return true;
}

int SimulatorProcess::Stop() {
    if (!Running()) {
        return exitStatus_;
    }
    ::kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + kStopTimeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid_, SIGKILL);
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
            exitStatus_ = -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return exitStatus_;
}

}  // namespace ht57::test
