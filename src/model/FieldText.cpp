#include "model/FieldText.h"

#include <cstdint>

#include "model/Bcd.h"
#include "model/EditStepping.h"
#include "model/Frequency.h"
#include "model/Numbers.h"
#include "model/Tones.h"

namespace ht57 {
namespace {

std::string ListText(const Image& image, const SettingsField& field) {
    if ((image[field.address] & field.forcedBy) != 0) {
        return std::string(field.entries.back());
    }
    const int position = ListPosition(image, field);
    return std::string(position == kNoSelection
                           ? kNoEntryText
                           : field.entries[static_cast<std::size_t>(position)]);
}

std::string DtmfCodeText(const Image& image, const SettingsField& field) {
    std::string code;
    for (std::size_t i = 0; i < field.length; ++i) {
        const Byte digit = image[field.address + i];
        if (digit >= kDtmfAlphabet.size()) {
            break;
        }
        code += kDtmfAlphabet[digit];
    }
    return code;
}

// The byte counts positions from the range's lowest one; the edit's range
// check then shows a position beyond the range as the lowest.
std::string TimingText(const Image& image, const SettingsField& field) {
    const EditRange range{field.low, field.high, field.scale};
    return EditRangeText(std::to_string((image[field.address] + range.low) * range.scale), range);
}

std::string FmPresetText(const Image& image, const SettingsField& field, std::size_t element) {
    const Byte stored = image[field.address + element];
    return field.ValueValid(stored)
               ? FormatScaled(static_cast<std::uint64_t>(stored + field.low), 1)
               : std::string();
}

}  // namespace

int TonePosition(const Image& image, const SettingsField& field) {
    const bool bank = (image[field.bankAddress] & field.bankMask) != 0;
    const int position = image[field.address] + (bank ? kDcsCodeCount : 0);
    return position < kToneCount ? position : kNoSelection;
}

std::string FieldText(const Image& image, const SettingsField& field, std::size_t element) {
    switch (field.kind) {
        case FieldKind::List:
            return ListText(image, field);
        case FieldKind::Flag:
        case FieldKind::InvertedFlag:
            return FieldOn(image, field) ? "on" : "off";
        case FieldKind::Number:
            return std::to_string(image[field.address]);
        case FieldKind::BandEdge:
            // Kept in 100 kHz units; the edits show whole MHz.
            return std::to_string(ReadBcd16(&image[field.address]) / 10);
        case FieldKind::Frequency:
            return FormatFrequency(SnapFrequency(ReadBcd32(&image[field.address])));
        case FieldKind::Tone: {
            const int position = TonePosition(image, field);
            return std::string(position == kNoSelection ? kNoEntryText : ToneText(position));
        }
        case FieldKind::DtmfCode:
            return DtmfCodeText(image, field);
        case FieldKind::Timing:
            return TimingText(image, field);
        case FieldKind::FmPreset:
            return FmPresetText(image, field, element);
    }
    return {};
}

}  // namespace ht57
