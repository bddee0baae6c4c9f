#pragma once

#include <optional>
#include <string>

namespace ht57::sim {

// The radio's end of a pseudo-terminal. The slave side is set raw and kept
// open here for the whole run, so the PC can close and reopen it as often as
// it likes without the master seeing a hang-up. This end never reads the
// slave; it only holds it.
class PseudoTerminal {
public:
    static std::optional<PseudoTerminal> Open(std::string& error);

    PseudoTerminal(PseudoTerminal&& other) noexcept;
    PseudoTerminal& operator=(PseudoTerminal&&) = delete;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    // Non-blocking master descriptor: reads give the PC's bytes, writes reach the PC.
    int MasterFd() const { return master_; }
    const std::string& SlavePath() const { return slavePath_; }

private:
    PseudoTerminal(int master, int slave, std::string slavePath);

    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};

// A symbolic link to the slave device under a stable name, so a port name
// kept in Program.ini stays valid from one run of the simulator to the next.
// An existing link is replaced; anything else at that path is left alone.
class StableLink {
public:
    static std::optional<StableLink> Create(const std::string& path, const std::string& target,
                                            std::string& error);

    StableLink(StableLink&& other) noexcept;
    StableLink& operator=(StableLink&&) = delete;
    StableLink(const StableLink&) = delete;
    StableLink& operator=(const StableLink&) = delete;
    // Removes the link if it still points at this run's device.
    ~StableLink();

private:
    StableLink(std::string path, std::string target)
        : path_(std::move(path)), target_(std::move(target)) {}

    std::string path_;
    std::string target_;
};

}  // namespace ht57::sim
