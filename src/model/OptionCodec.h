#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Image.h"
#include "model/SettingsFields.h"

namespace ht57 {

// What the option features form shows: the general settings of the settings
// block, the DTMF code and the frequency-mode record.
struct OptionValues {
    // List positions (OptionLists.h; the tone lists are ToneList()).
    int squelch = kNoSelection;
    int vox = kNoSelection;
    int tot = kNoSelection;
    int backLight = kNoSelection;
    int display = kNoSelection;
    int pttId = kNoSelection;
    int pf3 = kNoSelection;
    int scanMode = kNoSelection;
    int step = kNoSelection;
    int decodeTone = kNoSelection;
    int encodeTone = kNoSelection;
    int bandwidth = kNoSelection;
    int power = kNoSelection;
    int duplex = kNoSelection;

    bool beep = false;
    bool save = false;
    bool manual = false;
    bool channelEmbedEnable = false;
    bool priorityScan = false;
    bool onlyChannelMode = false;
    // Work mode: true when "Frequency" is the checked button, false for
    // "Channel" (or neither).
    bool frequencyMode = false;

    std::string dtmfCode;
    std::string lowerLimit;  // MHz, as the limit edits show it
    std::string upperLimit;
    std::string rxFrequency;  // "%3.5f" MHz
    std::string offsetFrequency;

    // Priority Channel list: the channels in use, ascending, and the selection.
    std::vector<std::string> priorityChannels;
    int priorityChannel = kNoSelection;

    friend bool operator==(const OptionValues&, const OptionValues&) = default;
};

// Decodes the settings block, the DTMF code and the frequency-mode record.
// The Priority Channel list holds the channels in use under `limits`.
OptionValues DecodeOptions(const Image& image, const FrequencyLimits& limits);

// Encodes the values back. Only the bits the form owns change; a list without
// a selection stores all ones in a bit field and 0xFF in a whole byte, except
// the tone lists, which then keep the stored tone. The work-mode rule applies.
void EncodeOptions(const OptionValues& values, Image& image);

// "Only Channel Mode" forces the "Channel" work mode (and the form disables
// both work-mode buttons while it is checked).
void ApplyWorkModeRule(OptionValues& values);

// A typed Rx or offset frequency, snapped to the channel raster and written
// back as "%3.5f" MHz; no band check. Nothing when the eight-digit field
// cannot hold it (999.99999 MHz at most): the edit is refused.
std::optional<std::string> SnappedFrequencyText(std::string_view text);

// The DTMF Code edit's rule: a key the code can store, upper-cased, or
// nullopt when it is refused.
std::optional<char> DtmfCodeKey(char32_t key);

}  // namespace ht57
