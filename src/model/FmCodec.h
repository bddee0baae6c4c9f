#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "model/Image.h"

namespace ht57 {

inline constexpr int kFmPresetCount = static_cast<int>(region::kFmSize);
inline constexpr int kFmEditLength = 5;

// Preset texts in MHz ("88.5"), empty for an empty or invalid preset.
using FmTexts = std::array<std::string, kFmPresetCount>;

FmTexts DecodeFm(const Image& image);

// Writes all 16 preset bytes: an empty text stores 0xFF, any other the low 8
// bits of (MHz x 10 - 870). Texts are expected to have gone through
// CommitFmText, as the grid's are.
void EncodeFm(const FmTexts& texts, Image& image);

// An edited preset: empty stays empty; anything outside 87.0 to 108.0 MHz,
// or no number at all, becomes 87.0; shown with one decimal.
std::string CommitFmText(std::string_view text);

// The presets' texts one per line (presets count from 0), for the clipboard.
std::string CopyFmText(const FmTexts& texts, const std::vector<int>& presets);

// Pasted lines into the presets from `first` on, one per line, taking the
// first tab-separated field: an empty field empties the preset, a frequency
// from 87.0 to 108.0 MHz is stored as typed. Anything else, and lines past the
// last preset, is not stored and is listed in `issues`: never clamped.
void PasteFmText(std::string_view text, int first, FmTexts& texts,
                 std::vector<std::string>& issues);

}  // namespace ht57
