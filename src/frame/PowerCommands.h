#pragma once

namespace ht57 {

class CMainFrame;
class CommandRegistry;

// High Power and Low Power: the Power Adjust dialog on the configured port,
// captioned after the command. The dialog itself stores the final values in
// the image when it closes.
void RunPowerAdjust(CMainFrame& frame, bool high);

void RegisterPowerCommands(CommandRegistry& registry);

}  // namespace ht57
