#pragma once

#include <string>

namespace ht57 {

// Which ports a session of this process is using, by port name: one session
// per port at a time, any number of ports at once. Sessions claim their port
// before they send anything and release it once the port is closed.

// False, and nothing claimed, when another session already holds the name.
bool ClaimPort(const std::string& name);
void ReleasePort(const std::string& name);

bool PortClaimed(const std::string& name);
bool AnyPortClaimed();

}  // namespace ht57
