#pragma once

#include <cstdio>

#include "link/PortAccess.h"

namespace ht57::cli {

// `ht57-cli ports`: the serial ports the system reports, USB adapters first,
// one a line with tab-separated fields: device, state (free, busy, no-access,
// missing), USB vendor:product, description, manufacturer, serial number,
// stable /dev/serial/by-id name, and why it cannot be used. Empty fields stay
// empty so `cut -f` finds every field in its place. Opens no device.
int RunPorts();

// "Fail to open port " with what is wrong and how to choose another port.
void ReportPortFailure(std::FILE* out, const PortFailure& failure);

}  // namespace ht57::cli
