#pragma once

#include <string>

namespace ht57::web {

// How the last transfer ended, in the desktop's words: its message, the
// detail under it, and whether the desktop shows them at all.
struct TransferEnd {
    std::string text;
    std::string detail;
    bool shown = false;
};

const TransferEnd& LastTransferEnd();

}  // namespace ht57::web
