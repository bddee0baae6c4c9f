#include "model/Tones.h"

#include <cstdio>
#include <limits>

#include "model/Numbers.h"
#include "model/TextRules.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

constexpr std::array<const char*, 50> kCtcss{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<const char*, kDcsCodeCount> kDcs{
    "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054",
    "065", "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132",
    "134", "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212",
    "223", "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263",
    "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346",
    "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445",
    "446", "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523",
    "526", "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654",
    "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

std::array<std::string, kToneCount> BuildToneList() {
    std::array<std::string, kToneCount> list;
    list[0] = Msg("Model", "Off");
    for (std::size_t i = 0; i < kCtcss.size(); ++i) {
        list[1 + i] = kCtcss[i];
    }
    for (std::size_t i = 0; i < kDcs.size(); ++i) {
        list[kFirstDcsNormal + i] = std::string("D") + kDcs[i] + "N";
        list[kFirstDcsInverted + i] = std::string("D") + kDcs[i] + "I";
    }
    return list;
}

// The part of sscanf(text, "<prefix>%d...") that decides its result: -1 when
// the text ends before the number, 0 when a literal or the number does not
// match, 1 with the number read. Signs are not accepted, so they count as no
// number, and the number saturates instead of overflowing.
int ScanPrefixedNumber(std::string_view text, std::string_view prefix, int& number) {
    std::size_t pos = 0;
    for (char literal : prefix) {
        if (pos == text.size()) {
            return -1;
        }
        if (text[pos] != literal) {
            return 0;
        }
        ++pos;
    }
    while (pos < text.size() && text::IsIn(text::kWhiteSpace, text[pos])) {
        ++pos;
    }
    if (pos == text.size()) {
        return -1;
    }
    const auto value = ParseLeadingInteger(text.substr(pos));
    if (!value) {
        return 0;
    }
    number = *value;
    return 1;
}

}  // namespace

const std::array<std::string, kToneCount>& ToneList() {
    static const std::array<std::string, kToneCount> list = BuildToneList();
    return list;
}

std::string_view ToneText(int index) {
    return ToneList()[index >= 0 && index < kToneCount ? static_cast<std::size_t>(index) : 0];
}

ToneCode EncodeTone(int index) {
    if (index >= kFirstDcsInverted) {
        return {static_cast<std::uint8_t>(index - kDcsCodeCount), true};
    }
    return {static_cast<std::uint8_t>(index), false};
}

int DecodeTone(std::uint8_t code, bool bank) {
    const int index = code + (bank ? kDcsCodeCount : 0);
    return index < kToneCount ? index : 0;
}

int FindTone(std::string_view text) {
    const auto& list = ToneList();
    for (int i = 0; i < kToneCount; ++i) {
        if (list[static_cast<std::size_t>(i)] == text) {
            return i;
        }
    }
    return 0;
}

void NormaliseToneText(std::string& text) {
    if (text.empty()) {
        return;
    }
    text::ToUpperInPlace(text);
    constexpr std::uint64_t kLowestTenths = 600;
    constexpr std::uint64_t kHighestTenths = 2800;
    if (text.find('.') != std::string::npos) {
        const std::uint64_t tenths = ScaleDecimal(text, 1);
        if (tenths < kLowestTenths || tenths > kHighestTenths) {
            text = "Off";
        }
        return;
    }
    // Prefix patterns first, then the suffix patterns, whose prefix is empty.
    constexpr std::array<std::string_view, 10> kPrefixes{"D", "DN", "DI", "ND", "ID",
                                                         "N", "I",  "",   "",   ""};
    for (std::string_view prefix : kPrefixes) {
        int code = 0;
        const int result = ScanPrefixedNumber(text, prefix, code);
        if (result == 0) {
            continue;
        }
        if (result > 0 && code > 0 && code <= 777) {
            char buffer[16];
            const bool inverted = text.find('I') != std::string::npos;
            std::snprintf(buffer, sizeof buffer, inverted ? "D%03dI" : "D%03dN", code);
            text = buffer;
        } else {
            text = "Off";
        }
        return;
    }
    const std::uint64_t tenths = ScaleDecimal(text, 1);
    text = (tenths >= kLowestTenths && tenths <= kHighestTenths) ? FormatScaled(tenths, 1) : "Off";
}

}  // namespace ht57
