#include "frame/PowerCommands.h"

#include <QCoreApplication>

#include "frame/CMainFrame.h"
#include "frame/CommandIds.h"
#include "frame/CommandRegistry.h"
#include "link/ui/CPowerAdjustDlg.h"

namespace ht57 {

void RunPowerAdjust(CMainFrame& frame, bool high) {
    frame.CommitViews();
    const DataSnapshot before = EditHistory::Take(frame.Data());
    CPowerAdjustDlg dialog(frame.Data(), frame.App().Port(), high, &frame);
    dialog.exec();
    frame.History().Record(
        high ? QCoreApplication::translate("PowerCommands", "High power calibration")
             : QCoreApplication::translate("PowerCommands", "Low power calibration"),
        before);
}

void RegisterPowerCommands(CommandRegistry& registry) {
    registry.Register(command::kHighPower, [](CMainFrame& frame) { RunPowerAdjust(frame, true); });
    registry.Register(command::kLowPower, [](CMainFrame& frame) { RunPowerAdjust(frame, false); });
}

}  // namespace ht57
