#pragma once

#include <functional>
#include <map>

namespace ht57 {

class CMainFrame;

// Handlers for the menu commands whose work lives outside the main frame
// (Print, Print Preview, Print Setup, High Power, Low Power, Import Channels,
// Export Channels, Open Backup Folder), keyed by command id. A command without
// a handler does nothing when chosen.
class CommandRegistry {
public:
    using Handler = std::function<void(CMainFrame& frame)>;

    void Register(int commandId, Handler handler) { handlers_[commandId] = std::move(handler); }
    bool Has(int commandId) const { return handlers_.count(commandId) > 0; }
    // False when nothing is registered for the command.
    bool Run(int commandId, CMainFrame& frame) const {
        const auto found = handlers_.find(commandId);
        if (found == handlers_.end() || !found->second) {
            return false;
        }
        found->second(frame);
        return true;
    }

private:
    std::map<int, Handler> handlers_;
};

// Registers every pluggable command this build has; each group of commands
// adds its own line in StandardCommands.cpp.
void RegisterStandardCommands(CommandRegistry& registry);

}  // namespace ht57
