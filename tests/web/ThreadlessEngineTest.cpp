// What only the WebAssembly build can show of the link engines: the page has
// one thread, no second one can be created, and a pause must hand the thread
// back to the browser.
#include <emscripten.h>
#include <gtest/gtest.h>

#include "link/CloneSession.h"
#include "link/Handshake.h"

namespace ht57 {
namespace {

// A port that never opens: a session over it ends at once.
class ClosedLink final : public SerialLink {
public:
    bool Open(const PortSettings&) override { return false; }
    PortFailure OpenFailure() const override {
        PortFailure failure;
        failure.problem = PortProblem::Failed;
        return failure;
    }
    bool Broken() const override { return false; }
    void Purge() override {}
    void Write(std::span<const Byte>) override {}
    std::size_t Read(std::span<Byte>) override { return 0; }
    void Close() override {}
    bool IsOpen() const override { return false; }
};

TEST(ThreadlessEngine, StartWithoutThreadsLeavesNoSessionBusy) {
    ClosedLink link;
    Image image{};
    CloneSession session(link, image, {"none"}, TransferPlan::ForRead());
    EXPECT_FALSE(session.Start());
    EXPECT_FALSE(CloneSession::Busy());
    EXPECT_EQ(session.Run(), LinkOutcome::PortOpenFailed);
}

EM_JS(void, ArmTimer, (), {
    globalThis.timerFired = false;
    setTimeout(
        function() { globalThis.timerFired = true; }, 0);
});
EM_JS(int, TimerFired, (), { return globalThis.timerFired ? 1 : 0; });

TEST(ThreadlessEngine, PauseLetsTheEventLoopRun) {
    ArmTimer();
    Pause(20);
    EXPECT_EQ(TimerFired(), 1);
}

}  // namespace
}  // namespace ht57
