#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "link/CloneSession.h"
#include "link/SerialPortLink.h"
#include "support/SimulatorProcess.h"
#include "support/TraceSearch.h"

namespace ht57::test {

using Bytes = std::vector<Byte>;

// A memory image nobody could mistake for another: every byte differs from
// its neighbours, calibration values 100..105.
inline Image RadioMemory(Byte seed = 0) {
    Image image;
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<Byte>(i * 7 + i / 256 + seed);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        image[region::kCalibration + i] = static_cast<Byte>(100 + i);
    }
    return image;
}

inline Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

inline Bytes HandshakeBytes() {
    return Bytes(wire::kHandshake.begin(), wire::kHandshake.end());
}

inline bool EndsWith(const Bytes& bytes, const Bytes& tail) {
    return bytes.size() >= tail.size() && std::equal(tail.rbegin(), tail.rend(), bytes.rbegin());
}

// The simulator on a pseudo-terminal and the program's own serial line to it.
class SimulatedRadio : public ::testing::Test {
protected:
    void Launch(std::vector<std::string> args = {}, const Image& memory = RadioMemory()) {
        sim_ = std::make_unique<SimulatorProcess>(SimulatorSetup{std::move(args), memory});
        ASSERT_TRUE(sim_->Started()) << sim_->Error();
        settings_ = {sim_->PortName(), 9600};
    }

    // The trace once the simulator has seen at least `size` bytes.
    Bytes TraceOf(std::size_t size) const {
        sim_->WaitForTrace(size);
        return sim_->Trace();
    }

    std::unique_ptr<SimulatorProcess> sim_;
    PortSettings settings_;
    SerialPortLink link_;
};

}  // namespace ht57::test
