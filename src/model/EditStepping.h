#pragma once

#include <string>
#include <string_view>

namespace ht57 {

// A numeric edit paired with a spin button: the edit shows position x scale,
// and the position must lie within [low, high]. Text that does not begin with
// a number counts as empty.
struct EditRange {
    int low;
    int high;
    int scale;
};

// Normalises an edit's text when it loses the focus: rounds down to the
// scale; empty text or a position outside the range gives the lowest one.
std::string EditRangeText(std::string_view text, const EditRange& range);

// One click (delta +1 or -1) or accelerated repeat (|delta| > 1) of the spin
// button. A value off the raster is first aligned to it; stepping past either
// end wraps around.
std::string SpinStepText(std::string_view text, int delta, const EditRange& range);

}  // namespace ht57
