#include <emscripten.h>

#include <string>
#include <vector>

#include "link/CloneSession.h"
#include "link/TransferMessage.h"
#include "model/ImageDiff.h"
#include "web/module/Document.h"
#include "web/module/Transfer.h"
#include "web/module/WebSerialLink.h"

namespace {

EM_JS(void, ht57_report_progress, (int phase, int done, int total), {
    if (globalThis.ht57Transfer)
        globalThis.ht57Transfer.progress(phase, done, total);
});

EM_JS(int, ht57_cancel_requested, (),
      { return globalThis.ht57Transfer && globalThis.ht57Transfer.cancelRequested() ? 1 : 0; });

ht57::web::TransferEnd gEnd;

ht57::CloneReport RunSession(ht57::web::WebSerialLink& link, ht57::Image& image, int baudRate,
                             ht57::TransferPlan plan, int phase) {
    ht57::CloneSession* running = nullptr;
    ht57::CloneCallbacks callbacks;
    callbacks.progress = [&running, phase](int done, int total) {
        ht57_report_progress(phase, done, total);
        if (ht57_cancel_requested() != 0 && running != nullptr) {
            running->Cancel();
        }
    };
    ht57::CloneSession session(link, image, {"Web Serial", baudRate}, std::move(plan),
                               std::move(callbacks));
    running = &session;
    ht57_report_progress(phase, 0, session.TotalBlocks());
    session.Run();
    return session.Report();
}

// The desktop's words for how the transfer ended; a Read the user cancelled
// changed nothing, and the desktop says nothing about it.
int Ended(const ht57::TransferResult& result) {
    const ht57::TransferMessage message = ht57::DescribeTransfer(result, "the chosen port");
    const ht57::TransferVerdict verdict = ht57::VerdictOf(result);
    gEnd = {message.text, message.detail,
            !(verdict == ht57::TransferVerdict::Cancelled &&
              result.transfer.kind == ht57::TransferKind::Read)};
    if (verdict == ht57::TransferVerdict::WrittenUnread ||
        verdict == ht57::TransferVerdict::WrittenDiffers) {
        return static_cast<int>(ht57::LinkOutcome::CommunicationError);
    }
    return static_cast<int>(result.readBack ? result.readBack->outcome : result.transfer.outcome);
}

}  // namespace

namespace ht57::web {

const TransferEnd& LastTransferEnd() {
    return gEnd;
}

}  // namespace ht57::web

// Read (kind 0) or Write (kind 1, read back and compared when `verify`) over
// the page's port; the outcome's number, and LastTransferEnd() says what the
// desktop's transfer dialog would show. Called through ccall with
// {async: true}: it awaits the port throughout.
extern "C" EMSCRIPTEN_KEEPALIVE int ht57_transfer(int kind, int baudRate, int verify) {
    using namespace ht57;
    gEnd = {};
    web::Document& document = web::TheDocument();
    RadioData& data = document.Data();
    web::WebSerialLink link;
    data.Normalise();
    if (kind == 0) {
        const DataSnapshot before = TakeSnapshot(data);
        const TransferResult result(
            RunSession(link, data.image, baudRate, TransferPlan::ForRead(), 0));
        if (result.transfer.outcome == LinkOutcome::Succeeded) {
            data.RecomputeLimits();
            data.Normalise();
        }
        document.Record(before);
        return Ended(result);
    }
    TransferResult result(RunSession(link, data.image, baudRate, TransferPlan::ForWrite(), 1));
    if (result.transfer.outcome == LinkOutcome::Succeeded && verify != 0) {
        Image readBack = data.image;
        result.readBack = RunSession(link, readBack, baudRate, TransferPlan::ForRead(), 2);
        if (result.readBack->outcome == LinkOutcome::Succeeded) {
            result.differences = WrittenRangeMismatches(data.image, readBack);
        }
    }
    return Ended(result);
}
