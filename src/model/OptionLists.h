#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "model/UserText.h"

namespace ht57 {

// Entries of the option lists in list order; a stored value is the position
// of its entry. The tone lists use ToneList() from Tones.h.
inline constexpr std::array<std::string_view, 10> kSquelchList{"0", "1", "2", "3", "4",
                                                               "5", "6", "7", "8", "9"};
inline constexpr std::array<std::string_view, 10> kVoxList{
    Msg("Model", "Off"), "1", "2", "3", "4", "5", "6", "7", "8", "9"};
inline constexpr std::array<std::string_view, 8> kTotList{
    Msg("Model", "Off"), "1", "2", "3", "4", "5", "6", "7"};
inline constexpr std::array<std::string_view, 3> kBackLightList{
    Msg("Model", "Off"), Msg("Model", "Key"), Msg("Model", "Continued")};
inline constexpr std::array<std::string_view, 2> kDisplayList{Msg("Model", "Frequency"),
                                                              Msg("Model", "Name")};
inline constexpr std::array<std::string_view, 4> kPttIdList{
    Msg("Model", "Off"), Msg("Model", "BOT"), Msg("Model", "EOT"), Msg("Model", "Both")};
inline constexpr std::array<std::string_view, 5> kPf3List{Msg("Model", "Lamp"), "1750", "1450",
                                                          "2315", Msg("Model", "Alarm")};
inline constexpr std::array<std::string_view, 3> kScanModeList{"SE", "TO", "CO"};
inline constexpr std::array<std::string_view, 6> kStepList{"5.00", "6.25", "10",
                                                           "12.5", "20",   "25"};
inline constexpr std::array<std::string_view, 2> kBandwidthList{Msg("Model", "Narrow"),
                                                                Msg("Model", "Wide")};
inline constexpr std::array<std::string_view, 2> kPowerList{Msg("Model", "Low"),
                                                            Msg("Model", "High")};
inline constexpr std::array<std::string_view, 3> kDuplexList{
    Msg("Model", "Off"), Msg("Model", "Plus"), Msg("Model", "Minus")};
inline constexpr std::array<std::string_view, 2> kWorkModeList{Msg("Model", "Frequency"),
                                                               Msg("Model", "Channel")};

// DTMF digits are stored as their position here; position 16 is backspace.
inline constexpr std::string_view kDtmfAlphabet = "0123456789ABCDEF\b";
inline constexpr std::size_t kDtmfCodeLength = 8;

// Character limits of the option edits.
inline constexpr int kDtmfCodeEditLength = 8;
inline constexpr int kLimitEditLength = 3;
inline constexpr int kRxFrequencyEditLength = 10;
inline constexpr int kOffsetEditLength = 9;

}  // namespace ht57
