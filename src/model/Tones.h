#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace ht57 {

// Tone index 0 is "Off", 1 to 50 the CTCSS tones, 51 to 156 the DCS codes
// with normal polarity ("D023N"...) and 157 to 262 the same codes inverted.
inline constexpr int kToneCount = 263;
inline constexpr int kFirstDcsNormal = 51;
inline constexpr int kFirstDcsInverted = 157;
inline constexpr int kDcsCodeCount = 106;

const std::array<std::string, kToneCount>& ToneList();
std::string_view ToneText(int index);  // "Off" for an index outside the list

// A tone is stored as a code byte plus a bank bit; the bank marks inverted DCS.
struct ToneCode {
    std::uint8_t code = 0;
    bool bank = false;
};

ToneCode EncodeTone(int index);
int DecodeTone(std::uint8_t code, bool bank);  // 0 ("Off") when out of the list

// Exact, case-sensitive search; 0 when no entry matches.
int FindTone(std::string_view text);

// Rewrites a typed or picked tone text into the tone list's form where it can:
// "d23" and "23n" become "D023N", "i23" becomes "D023I", "88.5" stays, "885"
// and "off" become "Off".
void NormaliseToneText(std::string& text);

}  // namespace ht57
