#include "model/Normalise.h"

#include "model/ChannelRecord.h"
#include "model/SettingsFields.h"

namespace ht57 {
namespace {

// A field of [begin, begin + size) whose value is out of its range takes its
// bits from the reference image.
void RestoreInvalidFields(Image& image, const Image& reference, std::size_t begin,
                          std::size_t size) {
    for (const SettingsField& field : kSettingsFields) {
        const bool inArea = field.address >= begin && field.address < begin + size;
        if (inArea && field.restoredWhenInvalid && !field.ValueValid(FieldValue(image, field))) {
            SetFieldValue(image, field, FieldValue(reference, field));
        }
    }
}

}  // namespace

int FirstChannelInUse(const Image& image, const FrequencyLimits& limits) {
    for (int n = 1; n <= region::kChannelCount; ++n) {
        if (IsChannelInUse(ReadChannel(image, n), limits)) {
            return n;
        }
    }
    return 0;
}

void NormaliseSettings(Image& image, const Image& reference, const FrequencyLimits& limits) {
    RestoreInvalidFields(image, reference, region::kSettings, region::kSettingsSize);

    const std::size_t at = field::kPriorityChannel.address;
    const int priority = image[at];
    const bool priorityValid = priority >= 1 && field::kPriorityChannel.ValueValid(priority) &&
                               IsChannelInUse(ReadChannel(image, priority), limits);
    if (!priorityValid) {
        image[at] = static_cast<Byte>(FirstChannelInUse(image, limits));
    }
}

void NormaliseFm(Image& image) {
    const SettingsField& presets = field::kFmChannels;
    for (std::size_t k = 0; k < presets.count; ++k) {
        Byte& preset = image[presets.address + k];
        if (!presets.ValueValid(preset)) {
            preset = 0xFF;
        }
    }
}

void NormaliseDtmf(Image& image, const Image& reference) {
    RestoreInvalidFields(image, reference, region::kDtmf, region::kDtmfSize);
}

void NormaliseImage(Image& image, const Image& reference, const FrequencyLimits& limits) {
    NormaliseChannels(image, reference, limits);
    NormaliseSettings(image, reference, limits);
    NormaliseFm(image);
    NormaliseDtmf(image, reference);
}

}  // namespace ht57
