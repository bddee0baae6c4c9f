#include <emscripten.h>

#include <string>
#include <vector>

#include "link/CloneSession.h"
#include "model/ImageDiff.h"
#include "model/UserText.h"
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

std::string gMessage;

ht57::LinkOutcome RunSession(ht57::web::WebSerialLink& link, ht57::Image& image, int baudRate,
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
    return session.Run();
}

}  // namespace

namespace ht57::web {

const std::string& LastTransferMessage() {
    return gMessage;
}

}  // namespace ht57::web

// Read (kind 0) or Write (kind 1, read back and compared when `verify`) over
// the page's port; the outcome's number, and LastTransferMessage() says what
// the desktop's transfer dialog would show (empty when it shows nothing).
// Called through ccall with {async: true}: it awaits the port throughout.
extern "C" EMSCRIPTEN_KEEPALIVE int ht57_transfer(int kind, int baudRate, int verify) {
    using namespace ht57;
    gMessage.clear();
    web::Document& document = web::TheDocument();
    RadioData& data = document.Data();
    web::WebSerialLink link;
    data.Normalise();
    if (kind == 0) {
        const DataSnapshot before = TakeSnapshot(data);
        const LinkOutcome outcome =
            RunSession(link, data.image, baudRate, TransferPlan::ForRead(), 0);
        if (outcome == LinkOutcome::Succeeded) {
            data.RecomputeLimits();
            data.Normalise();
        }
        document.Record(before);
        if (const char* text = OutcomeMessage(outcome)) {
            gMessage = text;
        }
        return static_cast<int>(outcome);
    }
    LinkOutcome outcome = RunSession(link, data.image, baudRate, TransferPlan::ForWrite(), 1);
    if (outcome == LinkOutcome::Succeeded && verify != 0) {
        Image readBack = data.image;
        outcome = RunSession(link, readBack, baudRate, TransferPlan::ForRead(), 2);
        if (outcome == LinkOutcome::Succeeded) {
            const std::vector<std::string> mismatches =
                WrittenRangeMismatches(data.image, readBack);
            if (!mismatches.empty()) {
                std::string where;
                for (const std::string& run : mismatches) {
                    where += (where.empty() ? "" : ", ") + run;
                }
                gMessage = "The radio does not hold what was written.\n(at " + where + ")";
                return static_cast<int>(LinkOutcome::CommunicationError);
            }
        }
    }
    if (const char* text = OutcomeMessage(outcome)) {
        gMessage = text;
    }
    return static_cast<int>(outcome);
}
