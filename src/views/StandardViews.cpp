#include "views/ViewRegistry.h"

namespace ht57 {

// One line per editing view.
void RegisterStandardViews(ViewRegistry& registry) {
    (void)registry;
}

}  // namespace ht57
