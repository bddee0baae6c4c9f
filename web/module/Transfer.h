#pragma once

#include <string>

namespace ht57::web {

// What the last transfer's end shows the user; empty when nothing.
const std::string& LastTransferMessage();

}  // namespace ht57::web
