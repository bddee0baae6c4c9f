#include "model/FmCodec.h"

#include <cstdint>

#include "model/FieldText.h"
#include "model/Numbers.h"

namespace ht57 {
namespace {

// Presets count 100 kHz steps up from 87.0 MHz.
constexpr std::uint64_t kLowest = static_cast<std::uint64_t>(field::kFmChannels.low);
constexpr std::uint64_t kHighest = static_cast<std::uint64_t>(field::kFmChannels.high);

}  // namespace

FmTexts DecodeFm(const Image& image) {
    FmTexts texts;
    for (std::size_t k = 0; k < texts.size(); ++k) {
        texts[k] = FieldText(image, field::kFmChannels, k);
    }
    return texts;
}

void EncodeFm(const FmTexts& texts, Image& image) {
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::string& text = texts[k];
        image[field::kFmChannels.address + k] =
            text.empty() ? Byte{0xFF} : static_cast<Byte>(ScaleDecimal(text, 1) - kLowest);
    }
}

std::string CommitFmText(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    std::uint64_t tenths = ScaleDecimal(text, 1);
    if (tenths < kLowest || tenths > kHighest) {
        tenths = kLowest;
    }
    return FormatScaled(tenths, 1);
}

}  // namespace ht57
