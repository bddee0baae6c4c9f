#pragma once

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

}  // namespace ht57
