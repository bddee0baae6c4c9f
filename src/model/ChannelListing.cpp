#include "model/ChannelListing.h"

#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"
#include "model/Tones.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

constexpr std::size_t kWidth = 15;

// Character cells a UTF-8 text fills in a fixed-pitch font. Ideographs, kana,
// Hangul and full-width forms (U+3000 and up) take two cells, so a translated
// label still lines up with the columns below it.
std::size_t Cells(std::string_view text) {
    std::size_t cells = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        cells += lead >= 0xE3 ? 2 : 1;
        i += length;
    }
    return cells;
}

std::string Blanks(std::string_view text) {
    const std::size_t cells = Cells(text);
    return std::string(cells < kWidth ? kWidth - cells : 0, ' ');
}

// Label right-aligned and value left-aligned, 15 cells each.
std::string Pair(const std::string& label, const std::string& value) {
    return Blanks(label) + label + value + Blanks(value);
}

std::string Label(const char* title) {
    return Fill(title) + ": ";
}

// The grid's column titles are literals, so their views end in a NUL.
std::string Label(ChannelColumn column) {
    return Label(ColumnTitle(column).data());
}

// The list entries (busy lock, power, bandwidth) and the tone "Off" are words
// to translate; frequencies and tone codes are shown as they are.
std::string Word(const std::string& text) {
    return Fill(text.c_str());
}

std::string Tone(const std::string& text) {
    return text == ToneText(0) ? Word(text) : text;
}

}  // namespace

std::vector<std::string> BuildChannelListing(const Image& image, const FrequencyLimits& limits) {
    std::vector<std::string> lines{"\t" + Fill(Msg("Model", "-- Channel Info --"))};
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            continue;
        }
        const ChannelTexts texts = DecodeChannel(record, limits);
        lines.push_back(Pair(Label(Msg("Model", "CH Num")), std::to_string(n)) +
                        Pair(Label(ChannelColumn::RxFrequency), texts.rxFrequency) +
                        Pair(Label(ChannelColumn::TxFrequency), texts.txFrequency));
        lines.push_back(Pair(Label(ChannelColumn::BusyLock), Word(texts.busyLock)) +
                        Pair(Label(ChannelColumn::RxTone), Tone(texts.rxTone)) +
                        Pair(Label(ChannelColumn::TxTone), Tone(texts.txTone)));
        lines.push_back(Pair(Label(ChannelColumn::Power), Word(texts.power)) +
                        Pair(Label(ChannelColumn::Bandwidth), Word(texts.bandwidth)));
        lines.emplace_back();
    }
    return lines;
}

}  // namespace ht57
