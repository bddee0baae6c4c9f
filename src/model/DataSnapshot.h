#pragma once

#include "model/Normalise.h"
#include "model/RadioData.h"

namespace ht57 {

// What one undo step restores: the image and the limits in force.
struct DataSnapshot {
    Image image{};
    FrequencyLimits limits;
    friend bool operator==(const DataSnapshot&, const DataSnapshot&) = default;
};

inline DataSnapshot TakeSnapshot(const RadioData& data) {
    return {data.image, data.limits};
}

inline void RestoreSnapshot(RadioData& data, const DataSnapshot& snapshot) {
    data.image = snapshot.image;
    data.limits = snapshot.limits;
}

// Two states hold the same data when a save would write the same file for
// both: normalisation runs before every save, so bytes it rewrites either way
// (an empty channel all 0xFF or as the cleared-channel record) are no change
// a person made. The undo history and the modified mark judge by this.
inline bool SameStoredData(const DataSnapshot& a, const DataSnapshot& b, const Image& reference) {
    if (a.limits != b.limits) {
        return false;
    }
    if (a.image == b.image) {
        return true;
    }
    Image left = a.image;
    Image right = b.image;
    NormaliseImage(left, reference, a.limits);
    NormaliseImage(right, reference, b.limits);
    return left == right;
}

}  // namespace ht57
