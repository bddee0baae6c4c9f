#include "model/FmCodec.h"

#include <cstdint>

#include "model/FieldText.h"
#include "model/Numbers.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// Presets count 100 kHz steps up from 87.0 MHz.
constexpr std::uint64_t kLowest = static_cast<std::uint64_t>(field::kFmChannels.low);
constexpr std::uint64_t kHighest = static_cast<std::uint64_t>(field::kFmChannels.high);

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Digits with at most one point, and at least one digit.
bool IsMegahertz(std::string_view text) {
    const std::size_t point = text.find('.');
    return text.find_first_of("0123456789") != std::string_view::npos &&
           text.find_first_not_of("0123456789.") == std::string_view::npos &&
           (point == std::string_view::npos || text.find('.', point + 1) == std::string_view::npos);
}

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

std::string CopyFmText(const FmTexts& texts, const std::vector<int>& presets) {
    std::string text;
    for (const int k : presets) {
        if (k >= 0 && k < kFmPresetCount) {
            text += texts[static_cast<std::size_t>(k)] + "\n";
        }
    }
    return text;
}

void PasteFmText(std::string_view text, int first, FmTexts& texts,
                 std::vector<std::string>& issues) {
    std::vector<std::string_view> values;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        values.push_back(Trim(line.substr(0, line.find('\t'))));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
    while (!values.empty() && values.back().empty()) {
        values.pop_back();
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int preset = first + static_cast<int>(i);
        const std::string_view value = values[i];
        const std::uint64_t tenths = IsMegahertz(value) ? ScaleDecimal(value, 1) : 0;
        if (preset >= kFmPresetCount) {
            issues.push_back(
                Fill(Msg("Model", "preset %1: \"%2\" has no preset to go to; not stored"), preset,
                     value));
        } else if (value.empty()) {
            texts[static_cast<std::size_t>(preset)].clear();
        } else if (tenths >= kLowest && tenths <= kHighest) {
            texts[static_cast<std::size_t>(preset)] = FormatScaled(tenths, 1);
        } else {
            issues.push_back(Fill(Msg("Model",
                                      "preset %1: \"%2\" is not a frequency from 87.0 to "
                                      "108.0 MHz; not stored"),
                                  preset, value));
        }
    }
}

}  // namespace ht57
