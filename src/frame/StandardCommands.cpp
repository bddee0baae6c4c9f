#include "frame/CommandRegistry.h"

namespace ht57 {

// One line per pluggable command, e.g.
//   registry.Register(command::kPrint, [](CMainFrame& frame) { ... });
void RegisterStandardCommands(CommandRegistry& registry) {
    (void)registry;
}

}  // namespace ht57
