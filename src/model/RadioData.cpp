#include "model/RadioData.h"

#include "model/Normalise.h"

namespace ht57 {

RadioData::RadioData() {
    image.fill(0xFF);
    reference.fill(0);
    header.fill(0);
}

void RadioData::Normalise() {
    NormaliseImage(image, reference, limits);
}

}  // namespace ht57
