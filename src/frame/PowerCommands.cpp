#include "frame/PowerCommands.h"

#include "frame/CMainFrame.h"
#include "frame/CommandIds.h"
#include "frame/CommandRegistry.h"
#include "link/ui/CPowerAdjustDlg.h"

namespace ht57 {

void RunPowerAdjust(CMainFrame& frame, bool high) {
    CPowerAdjustDlg dialog(frame.Data(), frame.App().Port(), high, &frame);
    dialog.exec();
}

void RegisterPowerCommands(CommandRegistry& registry) {
    registry.Register(command::kHighPower, [](CMainFrame& frame) { RunPowerAdjust(frame, true); });
    registry.Register(command::kLowPower, [](CMainFrame& frame) { RunPowerAdjust(frame, false); });
}

}  // namespace ht57
