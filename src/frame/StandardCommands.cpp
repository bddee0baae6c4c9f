#include <memory>

#include "frame/ChannelFileCommands.h"
#include "frame/CommandRegistry.h"
#include "frame/PowerCommands.h"
#include "frame/PrintCommands.h"

namespace ht57 {

// One line per pluggable command, e.g.
//   registry.Register(command::kPrint, [](CMainFrame& frame) { ... });
void RegisterStandardCommands(CommandRegistry& registry) {
    RegisterPrintCommands(registry, std::make_shared<PrintCommands>());
    RegisterPowerCommands(registry);
    RegisterChannelFileCommands(registry);
}

}  // namespace ht57
