#include <cstddef>
#include <cstdint>

#include "FuzzTarget.h"
#include "InputChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ht57::checks::Require(ht57::checks::CheckConfigApply({data, size}));
    return 0;
}
