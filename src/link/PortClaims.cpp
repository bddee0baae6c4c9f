#include "link/PortClaims.h"

#include <mutex>
#include <set>

namespace ht57 {
namespace {

std::mutex gMutex;
std::set<std::string> gClaimed;

}  // namespace

bool ClaimPort(const std::string& name) {
    const std::lock_guard lock(gMutex);
    return gClaimed.insert(name).second;
}

void ReleasePort(const std::string& name) {
    const std::lock_guard lock(gMutex);
    gClaimed.erase(name);
}

bool PortClaimed(const std::string& name) {
    const std::lock_guard lock(gMutex);
    return gClaimed.contains(name);
}

bool AnyPortClaimed() {
    const std::lock_guard lock(gMutex);
    return !gClaimed.empty();
}

}  // namespace ht57
