#include "model/ChannelCsv.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>

#include "model/ChannelRecord.h"
#include "model/CsvText.h"
#include "model/FileAccess.h"
#include "model/Frequency.h"
#include "model/Numbers.h"
#include "model/TextRules.h"
#include "model/Tones.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// The record's offset field holds eight BCD digits of 10 Hz. The limit is a
// raster point, so snapping the offset on reading cannot carry it past them.
constexpr std::int64_t kLargestOffset = 99'999'000;

// Written for the tone columns a channel does not use, as other programs do.
constexpr std::string_view kSpareCtcss = "88.5";
constexpr std::string_view kSpareDcs = "023";
constexpr std::string_view kSpareCrossMode = "Tone->Tone";
constexpr std::string_view kHighPowerText = "5.0W";
constexpr std::string_view kLowPowerText = "1.0W";

enum Column {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kPower,
    kSkip,
    kComment,
    kBusyLock,
    kColumnCount,
};

constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "location",  "name",      "frequency", "duplex",       "offset",     "tone",
    "rtonefreq", "ctonefreq", "dtcscode",  "dtcspolarity", "rxdtcscode", "crossmode",
    "mode",      "power",     "skip",      "comment",      "busylock"};

// Columns of the layout a channel here has no place for, and nothing to lose
// by: the step follows from the frequency, the call signs and code belong to
// digital voice, which no row can be stored as.
constexpr std::array<std::string_view, 5> kUnusedColumnNames{"tstep", "urcall", "rpt1call",
                                                             "rpt2call", "dvcode"};

// What the channels took for a column of the layout the file lacks.
constexpr std::array<std::pair<Column, const char*>, 10> kDefaultNotes{{
    {kName, Msg("Model", "no Name column: every channel stored without a name")},
    {kDuplex, Msg("Model", "no Duplex column: every channel simplex")},
    {kOffset, Msg("Model",
                  "no Offset column: + and - channels transmit on their receive "
                  "frequency")},
    {kTone, Msg("Model", "no Tone column: every channel without tones (Off)")},
    {kDtcsPolarity, Msg("Model", "no DtcsPolarity column: DCS codes read as normal (NN)")},
    {kRxDtcsCode, Msg("Model",
                      "no RxDtcsCode column: Cross channels take their receive DCS "
                      "code from DtcsCode")},
    {kCrossMode, Msg("Model", "no CrossMode column: Cross channels read as Tone->Tone")},
    {kMode, Msg("Model", "no Mode column: every channel Wide (FM)")},
    {kPower, Msg("Model", "no Power column: every channel High")},
    {kBusyLock, Msg("Model", "no BusyLock column: every channel's busy lock Off")},
}};

std::string_view Trim(std::string_view text) {
    return text::Trim(text, text::kFieldBlanks);
}

std::string LowerTrimmed(std::string_view text) {
    return text::ToLower(Trim(text));
}

// A value as the report shows it: in quotes, control characters escaped so
// that a NUL or a line break cannot cut the report line short.
std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr std::string_view kHex = "0123456789ABCDEF";
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0x0F];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string MHz(std::uint32_t value) {
    return FormatFrequency(value) + " MHz";
}

std::string LimitsText(const FrequencyLimits& limits) {
    auto whole = [](std::uint32_t value) {
        std::string text = FormatFrequency(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
        return text;
    };
    return whole(limits.lower) + "-" + whole(limits.upper) + " MHz";
}

// True when a non-zero digit stands more than `decimals` places after the point.
bool HasDigitsBeyond(std::string_view text, std::size_t decimals) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || text.size() - point - 1 <= decimals) {
        return false;
    }
    return text.substr(point + 1 + decimals).find_first_not_of('0') != std::string_view::npos;
}

// A frequency column in MHz to 10 Hz units; `finer` tells that the text held
// more precision than 10 Hz, which the value has lost.
struct Megahertz {
    std::uint32_t value = 0;
    bool finer = false;
};

std::optional<Megahertz> ParseMegahertz(std::string_view text) {
    text = Trim(text);
    if (!text::IsPlainDecimal(text)) {
        return std::nullopt;
    }
    return Megahertz{ParseFrequency(text), HasDigitsBeyond(text, 5)};
}

// "88.5", "100" or "100.0": the CTCSS tone's index in the tone list.
std::optional<int> CtcssTone(std::string_view text) {
    text = Trim(text);
    if (!text::IsPlainDecimal(text) || HasDigitsBeyond(text, 1)) {
        return std::nullopt;
    }
    const std::uint64_t tenths = ScaleDecimal(text, 1);
    const int index = FindTone(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    return index >= 1 && index < kFirstDcsNormal ? std::optional(index) : std::nullopt;
}

// A DCS code of up to three digits with polarity 'N' (normal) or 'R' (inverted).
std::optional<int> DcsTone(std::string_view code, char polarity) {
    code = Trim(code);
    if (code.empty() || code.size() > 3 || !std::all_of(code.begin(), code.end(), text::IsDigit)) {
        return std::nullopt;
    }
    const std::string text =
        "D" + std::string(3 - code.size(), '0') + std::string(code) + (polarity == 'R' ? "I" : "N");
    const int index = FindTone(text);
    return index >= kFirstDcsNormal ? std::optional(index) : std::nullopt;
}

// The fields of one data row by column; absent columns read as empty.
class RowFields {
public:
    RowFields(const std::array<std::optional<std::size_t>, kColumnCount>& positions,
              const CsvRow& row)
        : positions_(positions), row_(row) {}

    std::string_view operator[](Column column) const {
        const auto position = positions_[column];
        return position && *position < row_.fields.size() ? std::string_view(row_.fields[*position])
                                                          : std::string_view();
    }
    bool Has(Column column) const { return positions_[column].has_value(); }
    // The row takes the layout's default for `column`: noted when the file
    // lacks the column, so that the report can say so.
    void TakeDefault(Column column) const {
        if (!Has(column)) {
            defaulted_[column] = true;
        }
    }
    const std::array<bool, kColumnCount>& Defaulted() const { return defaulted_; }

private:
    const std::array<std::optional<std::size_t>, kColumnCount>& positions_;
    const CsvRow& row_;
    mutable std::array<bool, kColumnCount> defaulted_{};
};

// What one row asks for, worked out before anything is written. `skip` holds
// the reasons the row cannot be stored; `notes` what was changed or is worth
// knowing about the stored channel.
struct RowPlan {
    int location = 0;
    std::uint32_t rx = 0;
    std::string busyLock{kBusyLockTexts[0]};
    bool busyLockGiven = false;  // the row names a busy lock the radio has
    std::uint32_t tx = 0;
    bool txFiner = false;  // the file gave the transmit side finer than 10 Hz
    int rxTone = 0;
    int txTone = 0;
    bool wide = true;
    bool high = true;
    std::string name;
    std::vector<std::string> skip;
    std::vector<std::string> notes;
};

// A Location of digits only, as a number; nothing for anything else.
std::optional<std::int32_t> LocationNumber(std::string_view text) {
    text = Trim(text);
    if (text.empty() || !std::all_of(text.begin(), text.end(), text::IsDigit)) {
        return std::nullopt;
    }
    return LeadingIntegerOrZero(text);
}

void PlanLocation(const RowFields& fields, int line, int shift, std::map<int, int>& firstLineOf,
                  RowPlan& plan) {
    const std::string_view text = Trim(fields[kLocation]);
    if (text.empty()) {
        plan.skip.push_back(Fill(Msg("Model", "no Location")));
        return;
    }
    if (!std::all_of(text.begin(), text.end(), text::IsDigit)) {
        plan.skip.push_back(
            Fill(Msg("Model", "Location %1 is not a channel number"), Quoted(text)));
        return;
    }
    // Read saturated; widened so a huge Location plus the shift cannot overflow.
    const std::int64_t location = std::int64_t{LeadingIntegerOrZero(text)} + shift;
    if (location < 1 || location > region::kChannelCount) {
        plan.skip.push_back(Fill(Msg("Model", "Location %1 is outside %2-%3"), text, 1 - shift,
                                 region::kChannelCount - shift));
        return;
    }
    plan.location = static_cast<int>(location);
    const auto [first, inserted] = firstLineOf.emplace(plan.location, line);
    if (!inserted) {
        plan.skip.push_back(Fill(Msg("Model", "Location %1 already came on line %2"), plan.location,
                                 first->second));
    }
}

void PlanFrequencies(const RowFields& fields, const FrequencyLimits& limits, RowPlan& plan) {
    const std::string_view rxText = Trim(fields[kFrequency]);
    const auto rx = ParseMegahertz(rxText);
    if (rxText.empty()) {
        plan.skip.push_back(Fill(Msg("Model", "no Frequency")));
        return;
    }
    if (!rx) {
        plan.skip.push_back(
            Fill(Msg("Model", "Frequency %1 is not a number in MHz"), Quoted(rxText)));
        return;
    }
    if (rx->value < limits.lower || rx->value > limits.upper) {
        // Never clamped: a 222 MHz channel is not a 174 MHz one.
        plan.skip.push_back(Fill(Msg("Model", "receive frequency %1 MHz is outside %2"), rxText,
                                 LimitsText(limits)));
        return;
    }
    plan.rx = SnapFrequency(rx->value);
    if (plan.rx != rx->value || rx->finer) {
        plan.notes.push_back(
            Fill(Msg("Model", "receive frequency %1 MHz is off the channel raster: stored as %2"),
                 rxText, MHz(plan.rx)));
    }

    fields.TakeDefault(kDuplex);
    const std::string duplex = LowerTrimmed(fields[kDuplex]);
    if (duplex.empty()) {
        plan.tx = plan.rx;
        return;
    }
    if (duplex == "+" || duplex == "-") {
        fields.TakeDefault(kOffset);
    }
    const std::string_view offsetText = Trim(fields[kOffset]);
    std::optional<Megahertz> offset = offsetText.empty() ? Megahertz{} : ParseMegahertz(offsetText);
    std::int64_t tx = plan.rx;
    if (duplex == "off") {
        plan.skip.push_back(Fill(Msg("Model",
                                     "Duplex \"off\" (transmit disabled) cannot be stored: every "
                                     "channel of this radio transmits")));
        return;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        plan.skip.push_back(
            Fill(Msg("Model", "Duplex %1 is not known"), Quoted(Trim(fields[kDuplex]))));
        return;
    }
    if (!offset || (duplex == "split" && offsetText.empty())) {
        plan.skip.push_back(
            Fill(Msg("Model", "Offset %1 is not a frequency in MHz"), Quoted(offsetText)));
        return;
    }
    if (duplex == "split") {
        tx = offset->value;
    } else {
        tx += duplex == "+" ? std::int64_t{offset->value} : -std::int64_t{offset->value};
    }
    if (tx < 0) {
        plan.skip.push_back(Fill(Msg("Model", "transmit frequency would be below 0 MHz")));
        return;
    }
    if (tx - std::int64_t{plan.rx} > kLargestOffset ||
        std::int64_t{plan.rx} - tx > kLargestOffset) {
        plan.skip.push_back(Fill(
            Msg("Model", "transmit frequency lies too far from the receive frequency to store")));
        return;
    }
    if (tx < limits.lower || tx > limits.upper) {
        // A cross-band pair the radio would transmit out of its band on.
        plan.skip.push_back(Fill(Msg("Model", "transmit frequency %1 is outside %2"),
                                 MHz(static_cast<std::uint32_t>(tx)), LimitsText(limits)));
        return;
    }
    // Kept as given: the record holds the offset, and StorePlan checks what
    // it reads back as.
    plan.tx = static_cast<std::uint32_t>(tx);
    plan.txFiner = offset->finer;
}

void PlanTones(const RowFields& fields, RowPlan& plan) {
    fields.TakeDefault(kTone);
    const std::string mode = LowerTrimmed(fields[kTone]);
    const std::string_view modeText = Trim(fields[kTone]);
    std::string polarity = LowerTrimmed(fields[kDtcsPolarity]);
    std::transform(polarity.begin(), polarity.end(), polarity.begin(), text::Upper);
    if (polarity.empty()) {
        polarity = "NN";
    }

    bool txCtcss = false;
    bool txDcs = false;
    bool rxCtcss = false;
    bool rxDcs = false;
    Column rxDcsColumn = kDtcsCode;
    if (mode.empty()) {
        return;
    } else if (mode == "tone") {
        txCtcss = true;
    } else if (mode == "tsql") {
        // Tone squelch uses cToneFreq both ways.
        plan.txTone = plan.rxTone = CtcssTone(fields[kCToneFreq]).value_or(-1);
        if (plan.txTone < 0) {
            plan.skip.push_back(Fill(Msg("Model", "tone %1 is not in the radio's tone list"),
                                     Quoted(Trim(fields[kCToneFreq]))));
        }
        return;
    } else if (mode == "dtcs") {
        txDcs = rxDcs = true;
    } else if (mode == "cross") {
        fields.TakeDefault(kCrossMode);
        std::string cross(Trim(fields[kCrossMode]));
        if (cross.empty()) {
            cross = kSpareCrossMode;
        }
        const std::size_t arrow = cross.find("->");
        const std::string txSide =
            arrow == std::string::npos ? "?" : LowerTrimmed(cross.substr(0, arrow));
        const std::string rxSide =
            arrow == std::string::npos ? "?" : LowerTrimmed(cross.substr(arrow + 2));
        auto known = [](const std::string& side) {
            return side.empty() || side == "tone" || side == "dtcs";
        };
        if (!known(txSide) || !known(rxSide) || (txSide.empty() && rxSide.empty())) {
            plan.skip.push_back(Fill(Msg("Model", "CrossMode %1 is not known"), Quoted(cross)));
            return;
        }
        txCtcss = txSide == "tone";
        txDcs = txSide == "dtcs";
        rxCtcss = rxSide == "tone";
        rxDcs = rxSide == "dtcs";
        if (fields.Has(kRxDtcsCode)) {
            rxDcsColumn = kRxDtcsCode;
        } else if (rxDcs) {
            fields.TakeDefault(kRxDtcsCode);
        }
    } else if (mode == "tsql-r" || mode == "dtcs-r") {
        plan.skip.push_back(
            Fill(Msg("Model", "tone mode %1 (reverse squelch) has no equivalent on this radio"),
                 Quoted(modeText)));
        return;
    } else {
        plan.skip.push_back(Fill(Msg("Model", "tone mode %1 is not known"), Quoted(modeText)));
        return;
    }

    if (txDcs || rxDcs) {
        fields.TakeDefault(kDtcsPolarity);
    }
    if ((txDcs || rxDcs) &&
        (polarity.size() != 2 || polarity.find_first_not_of("NR") != std::string::npos)) {
        plan.skip.push_back(Fill(Msg("Model", "DtcsPolarity %1 is not two letters N or R"),
                                 Quoted(Trim(fields[kDtcsPolarity]))));
        return;
    }
    auto ctcss = [&](Column column, int& tone) {
        if (const auto index = CtcssTone(fields[column])) {
            tone = *index;
        } else {
            plan.skip.push_back(Fill(Msg("Model", "tone %1 is not in the radio's tone list"),
                                     Quoted(Trim(fields[column]))));
        }
    };
    auto dcs = [&](Column column, char letter, int& tone) {
        if (const auto index = DcsTone(fields[column], letter)) {
            tone = *index;
        } else {
            plan.skip.push_back(Fill(Msg("Model", "DCS code %1 is not in the radio's tone list"),
                                     Quoted(Trim(fields[column]))));
        }
    };
    if (txCtcss) {
        ctcss(kRToneFreq, plan.txTone);
    } else if (txDcs) {
        dcs(kDtcsCode, polarity[0], plan.txTone);
    }
    if (rxCtcss) {
        ctcss(kCToneFreq, plan.rxTone);
    } else if (rxDcs) {
        dcs(rxDcsColumn, polarity[1], plan.rxTone);
    }
}

void PlanMode(const RowFields& fields, RowPlan& plan) {
    fields.TakeDefault(kMode);
    const std::string mode = LowerTrimmed(fields[kMode]);
    if (mode.empty() || mode == "fm") {
        plan.wide = true;
    } else if (mode == "nfm") {
        plan.wide = false;
    } else {
        plan.skip.push_back(Fill(
            Msg("Model", "Mode %1 cannot be stored: the radio has FM (Wide) and NFM (Narrow) only"),
            Quoted(Trim(fields[kMode]))));
    }
}

// Watts ("5.0W", "0.5 W", "4") against the threshold, or a level's label. The
// radio has no middle level: a middle label takes Low, the lesser.
void PlanPower(const RowFields& fields, RowPlan& plan) {
    fields.TakeDefault(kPower);
    const std::string_view text = Trim(fields[kPower]);
    std::string power = LowerTrimmed(text);
    if (power.empty()) {
        return;
    }
    std::string number = power;
    if (number.ends_with('w')) {
        number = std::string(Trim(std::string_view(number).substr(0, number.size() - 1)));
    }
    if (text::IsPlainDecimal(number)) {
        plan.high = ScaleDecimal(number, 1) >= kHighPowerTenthsOfWatt;
        // Our own export's figures stand for the levels themselves.
        if (text != (plan.high ? kHighPowerText : kLowPowerText)) {
            plan.notes.push_back(Fill(Msg("Model", "power %1 stored as %2"), Quoted(text),
                                      kPowerTexts[plan.high ? 1 : 0]));
        }
        return;
    }
    if (power == "high" || power == "hi" || power == "h" || power == "max") {
        plan.high = true;
    } else if (power == "low" || power == "lo" || power == "l" || power == "min") {
        plan.high = false;
    } else if (power == "mid" || power == "medium" || power == "med" || power == "m") {
        plan.high = false;
        plan.notes.push_back(Fill(
            Msg("Model", "power %1 stored as Low (the radio has High and Low)"), Quoted(text)));
    } else {
        plan.high = false;
        plan.notes.push_back(
            Fill(Msg("Model", "power %1 is not understood: stored as Low"), Quoted(text)));
    }
}

void PlanBusyLock(const RowFields& fields, RowPlan& plan) {
    fields.TakeDefault(kBusyLock);
    const std::string wanted = LowerTrimmed(fields[kBusyLock]);
    if (wanted.empty()) {
        return;
    }
    for (const char* text : kBusyLockTexts) {
        if (LowerTrimmed(text) == wanted) {
            plan.busyLock = text;
            plan.busyLockGiven = true;
            return;
        }
    }
    plan.notes.push_back(Fill(Msg("Model", "BusyLock %1 is not known: stored as Off"),
                              Quoted(Trim(fields[kBusyLock]))));
}

// Columns other programs fill that a channel here has no place for.
void PlanDroppedValues(const RowFields& fields, RowPlan& plan) {
    for (const auto& [column, label] : {std::pair{kSkip, "Skip"}, std::pair{kComment, "Comment"}}) {
        const std::string_view value = Trim(fields[column]);
        if (!value.empty()) {
            plan.notes.push_back(Fill(Msg("Model", "%1 %2 dropped"), label, Quoted(value)));
        }
    }
}

// Upper case, characters outside the name alphabet dropped, five kept: what
// typing the name into the grid's name editor gives.
void PlanName(const RowFields& fields, RowPlan& plan) {
    fields.TakeDefault(kName);
    const std::string_view text = fields[kName];
    std::string name;
    for (const char c : text) {
        const char upper = text::Upper(c);
        if (kNameAlphabet.find(upper) != std::string_view::npos) {
            name += upper;
        }
    }
    const bool dropped = name.size() != text.size();
    if (name.size() > record::kNameLength) {
        name.resize(record::kNameLength);
    }
    if (dropped || name.size() != text.size()) {
        plan.notes.push_back(
            Fill(Msg("Model", "name %1 stored as %2"), Quoted(text), Quoted(name)));
    }
    plan.name = std::move(name);
}

// Stores a planned row into channel `plan.location` as the grid stores a row:
// a channel not in use starts from the new-channel record, one in use keeps
// its record's other bits. False, with the reason added to `plan.skip` and
// the image unchanged, when the transmit frequency the record reads back as
// falls outside the band.
bool StorePlan(RowPlan& plan, const FrequencyLimits& limits, Image& image) {
    const ChannelRecord before = ReadChannel(image, plan.location);
    ChannelRecord record = before;
    const bool wasInUse = IsChannelInUse(record, limits);
    if (!wasInUse) {
        Image scratch = image;
        WriteChannelDefaults(scratch, plan.location, plan.rx);
        record = ReadChannel(scratch, plan.location);
    } else if (!plan.busyLockGiven && BusyLockText(record) != plan.busyLock) {
        // A busy lock the row gives is stored as given; one taken for want of
        // it is news.
        plan.notes.push_back(
            Fill(Msg("Model", "busy lock %1 replaced by %2"), BusyLockText(record), plan.busyLock));
    }
    ChannelTexts texts{FormatFrequency(plan.rx),
                       FormatFrequency(plan.tx),
                       std::string(ToneText(plan.rxTone)),
                       std::string(ToneText(plan.txTone)),
                       plan.busyLock,
                       kPowerTexts[plan.high ? 1 : 0],
                       kBandwidthTexts[plan.wide ? 1 : 0],
                       plan.name};
    EncodeChannel(record, texts);

    // The record keeps |rx - tx| and snaps it to the raster when read, so a
    // transmit frequency the raster cannot reach from the receive frequency
    // reads back as a neighbour; store that neighbour, as the grid's next
    // store would.
    const std::uint32_t readBack = RecordTxFrequency(record);
    if (readBack < limits.lower || readBack > limits.upper) {
        plan.skip.push_back(
            Fill(Msg("Model", "transmit frequency %1 would be stored as %2, outside %3"),
                 MHz(plan.tx), MHz(readBack), LimitsText(limits)));
        return false;
    }
    if (readBack != plan.tx || plan.txFiner) {
        plan.notes.push_back(Fill(Msg("Model",
                                      "transmit frequency %1 cannot be stored exactly with receive "
                                      "frequency %2: stored as %3"),
                                  MHz(plan.tx), MHz(plan.rx), MHz(readBack)));
        texts.txFrequency = FormatFrequency(readBack);
        EncodeChannel(record, texts);
    }
    WriteChannel(image, plan.location, record);
    return true;
}

using ColumnPositions = std::array<std::optional<std::size_t>, kColumnCount>;

// The columns by name, and in `unknown` those that name no column of the
// layout. A column the import reads that is named twice makes the file
// ambiguous, and is refused rather than one of them guessed.
Result HeaderPositions(const CsvRow& header, bool needsLocation, ColumnPositions& positions,
                       std::vector<std::size_t>& unknown) {
    positions = {};
    unknown.clear();
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string name = LowerTrimmed(header.fields[i]);
        const bool known =
            std::find(kColumnNames.begin(), kColumnNames.end(), name) != kColumnNames.end() ||
            std::find(kUnusedColumnNames.begin(), kUnusedColumnNames.end(), name) !=
                kUnusedColumnNames.end();
        if (!known) {
            unknown.push_back(i);
        }
        for (std::size_t c = 0; c < kColumnCount; ++c) {
            if (name != kColumnNames[c]) {
                continue;
            }
            if (positions[c]) {
                return Result::Failure(
                    Fill(Msg("Model", "The column %1 appears twice, so the file is not read."),
                         Quoted(Trim(header.fields[i]))),
                    Fill(Msg("Model", "line %1"), header.line));
            }
            positions[c] = i;
        }
    }
    if ((needsLocation && !positions[kLocation]) || !positions[kFrequency]) {
        return Result::Failure(Fill(Msg("Model",
                                        "The file is not a channel list: its first line names no "
                                        "Location and Frequency columns.")),
                               Fill(Msg("Model", "first line %1"), header.line));
    }
    return Result::Success();
}

bool AllFieldsBlank(const CsvRow& row) {
    return std::all_of(row.fields.begin(), row.fields.end(),
                       [](const std::string& field) { return Trim(field).empty(); });
}

bool FieldBlank(const CsvRow& row, std::size_t position) {
    return position >= row.fields.size() || Trim(row.fields[position]).empty();
}

std::string JoinedList(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        text += (text.empty() ? "" : Fill(Msg("Model", ", "))) + item;
    }
    return text;
}

// A column whose header is empty or names no column of the layout would be
// lost without a word (a blanked Duplex makes every repeater simplex), so it
// refuses the file, or with `ignore` is named in the report. One with neither
// a name nor a value (a header ending in a comma) carries nothing.
Result CheckUnknownColumns(const CsvRow& header, const std::vector<std::size_t>& unknown,
                           const std::vector<const CsvRow*>& dataRows, bool ignore,
                           ChannelImportReport& report) {
    std::vector<std::string> named;
    for (const std::size_t position : unknown) {
        const std::string_view name = Trim(header.fields[position]);
        const bool holdsValues =
            std::any_of(dataRows.begin(), dataRows.end(),
                        [&](const CsvRow* row) { return !FieldBlank(*row, position); });
        if (!name.empty() || holdsValues) {
            named.push_back(name.empty()
                                ? Fill(Msg("Model", "column %1 (no name)"), position + 1)
                                : Fill(Msg("Model", "column %1 %2"), position + 1, Quoted(name)));
        }
    }
    if (named.empty()) {
        return Result::Success();
    }
    if (!ignore) {
        return Result::Failure(
            Fill(Msg("Model",
                     "The file is not read: its header names columns a channel list does not "
                     "have: %1. Correct the header, or import with unknown columns ignored."),
                 JoinedList(named)),
            Fill(Msg("Model", "line %1"), header.line));
    }
    for (const std::string& column : named) {
        report.notes.push_back(Fill(
            Msg("Model", "%1 is no column of a channel list: its values were ignored"), column));
    }
    return Result::Success();
}

// Names cut to five characters that read alike though the file's did not:
// numbered when asked, else reported with the option that numbers them.
struct CutName {
    int location;
    std::string full;
    std::size_t issue;  // the row's entry in report.issues
};

void SettleCutNames(const std::vector<CutName>& cutNames, bool distinct,
                    const FrequencyLimits& limits, Image& work, ChannelImportReport& report) {
    std::map<std::string, std::vector<const CutName*>> byName;
    for (const CutName& cut : cutNames) {
        byName[DecodeChannel(ReadChannel(work, cut.location), limits).name].push_back(&cut);
    }
    for (const auto& entry : byName) {
        const std::string& name = entry.first;
        const std::vector<const CutName*>& group = entry.second;
        const bool alike = std::all_of(group.begin(), group.end(), [&](const CutName* cut) {
            return cut->full == group.front()->full;
        });
        if (alike) {
            continue;
        }
        if (!distinct) {
            std::vector<std::string> channels;
            std::vector<std::string> fullNames;
            for (const CutName* cut : group) {
                channels.push_back(std::to_string(cut->location));
                fullNames.push_back(Quoted(cut->full));
            }
            report.notes.push_back(Fill(Msg("Model",
                                            "channels %1 read alike as %2 once their names are "
                                            "cut to five characters (%3); the option to keep cut "
                                            "names distinct (--distinct-names) numbers them"),
                                        JoinedList(channels), Quoted(name), JoinedList(fullNames)));
            continue;
        }
        for (std::size_t i = 0; i < group.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            ChannelRecord record = ReadChannel(work, group[i]->location);
            ChannelTexts texts = DecodeChannel(record, limits);
            texts.name = name.substr(0, record::kNameLength - number.size()) + number;
            EncodeChannel(record, texts);
            WriteChannel(work, group[i]->location, record);
            report.issues[group[i]->issue].reasons.push_back(
                Fill(Msg("Model", "name made distinct as %1"), Quoted(texts.name)));
        }
    }
}

// The tone columns of an exported row: Tone, rToneFreq, cToneFreq, DtcsCode,
// DtcsPolarity, RxDtcsCode and CrossMode.
std::array<std::string, 7> ToneColumns(int txTone, int rxTone) {
    auto kind = [](int tone) { return tone == 0 ? "" : tone < kFirstDcsNormal ? "Tone" : "DTCS"; };
    auto code = [](int tone) { return std::string(ToneText(tone).substr(1, 3)); };
    auto polarity = [](int tone) { return tone >= kFirstDcsInverted ? 'R' : 'N'; };
    const std::string_view txKind = kind(txTone);
    const std::string_view rxKind = kind(rxTone);

    std::string mode = "Cross";
    std::string rTone(kSpareCtcss);
    std::string cTone(kSpareCtcss);
    std::string dtcs(kSpareDcs);
    std::string rxDtcs(kSpareDcs);
    std::string polarities = "NN";
    std::string cross(kSpareCrossMode);
    if (txKind == "Tone") {
        rTone = ToneText(txTone);
    } else if (txKind == "DTCS") {
        dtcs = code(txTone);
        polarities[0] = polarity(txTone);
    }
    if (rxKind == "Tone") {
        cTone = ToneText(rxTone);
    } else if (rxKind == "DTCS") {
        rxDtcs = code(rxTone);
        polarities[1] = polarity(rxTone);
    }

    if (txTone == 0 && rxTone == 0) {
        mode = "";
    } else if (txKind == "Tone" && rxTone == 0) {
        mode = "Tone";
    } else if (txKind == "Tone" && txTone == rxTone) {
        mode = "TSQL";
    } else if (txKind == "DTCS" && rxKind == "DTCS" && dtcs == rxDtcs) {
        mode = "DTCS";
    } else {
        cross = std::string(txKind) + "->" + std::string(rxKind);
        if (txKind.empty()) {
            dtcs = rxDtcs;  // readers without RxDtcsCode take the code from DtcsCode
        }
    }
    return {mode, rTone, cTone, dtcs, polarities, rxDtcs, cross};
}

}  // namespace

std::string ExportChannelCsv(const Image& image, const FrequencyLimits& limits) {
    std::string csv(kChannelCsvHeader);
    csv += "\r\n";
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord record = ReadChannel(image, n);
        if (!IsChannelInUse(record, limits)) {
            continue;
        }
        const std::uint32_t rx = SnapFrequency(RecordRxFrequency(record));
        const std::uint32_t tx = RecordTxFrequency(record);
        std::string duplex;
        std::uint32_t offset = 0;
        if (tx > rx) {
            duplex = "+";
            offset = tx - rx;
        } else if (tx < rx) {
            duplex = "-";
            offset = rx - tx;
        }
        const auto tones = ToneColumns(RecordTxToneIndex(record), RecordRxToneIndex(record));
        const Byte flags = record[record::kFlags];
        csv += CsvLine({std::to_string(n),
                        RecordName(record),
                        FormatFrequency(rx) + "0",
                        duplex,
                        FormatFrequency(offset) + "0",
                        tones[0],
                        tones[1],
                        tones[2],
                        tones[3],
                        tones[4],
                        tones[5],
                        tones[6],
                        (flags & record::kBandwidthMask) ? "FM" : "NFM",
                        rx % 500 == 0 ? "5.00" : "6.25",
                        "",
                        std::string((flags & record::kPowerMask) ? kHighPowerText : kLowPowerText),
                        "",
                        "",
                        "",
                        "",
                        "",
                        std::string(BusyLockText(record))});
    }
    return csv;
}

Result ImportChannelCsv(std::string_view csv, const ImportOptions& options,
                        const FrequencyLimits& limits, Image& image, ChannelImportReport& report) {
    report = {};
    if (csv.starts_with("\xFF\xFE") || csv.starts_with("\xFE\xFF")) {
        return Result::Failure(
            Fill(Msg("Model", "The file is in UTF-16. Save it as UTF-8 and import it again.")));
    }
    const std::vector<CsvRow> rows = ParseCsv(csv, options.separator);
    if (rows.empty()) {
        return Result::Failure(Fill(Msg("Model", "The file holds no channel list.")));
    }
    const ImportPlacement& placement = options.placement;
    ColumnPositions positions;
    std::vector<std::size_t> unknown;
    if (Result header = HeaderPositions(rows.front(), !placement.inOrder, positions, unknown);
        !header) {
        return header;
    }
    // A quote never closed swallows every later line into one field: the
    // rows it hides would be lost without a word, so nothing is imported.
    for (const CsvRow& row : rows) {
        if (row.unterminatedQuote) {
            return Result::Failure(Fill(Msg("Model",
                                            "A quoted field that starts in the record on line %1 "
                                            "is never closed, so the rest of the file cannot be "
                                            "read."),
                                        row.line),
                                   Fill(Msg("Model", "line %1"), row.line));
        }
    }
    std::vector<const CsvRow*> dataRows;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        if (!AllFieldsBlank(rows[r])) {
            dataRows.push_back(&rows[r]);
        }
    }
    if (dataRows.empty()) {
        return Result::Failure(Fill(Msg("Model", "The file holds no channel rows.")),
                               Fill(Msg("Model", "only the header on line %1"), rows.front().line));
    }
    if (Result columns = CheckUnknownColumns(rows.front(), unknown, dataRows,
                                             options.ignoreUnknownColumns, report);
        !columns) {
        return columns;
    }
    const std::size_t width = rows.front().fields.size();

    // Some radios number their memories from 0: such a file lands one up.
    int shift = 0;
    if (!placement.inOrder) {
        std::optional<std::int32_t> lowest;
        for (const CsvRow* row : dataRows) {
            const auto number = LocationNumber(RowFields(positions, *row)[kLocation]);
            if (number && (!lowest || *number < *lowest)) {
                lowest = number;
            }
        }
        if (lowest == 0) {
            shift = 1;
            report.notes.push_back(Fill(Msg(
                "Model",
                "the file numbers its channels from 0: every row was placed one channel higher")));
        }
    }

    Image work = image;
    std::map<int, int> firstLineOf;
    std::array<bool, region::kChannelCount + 1> named{};  // stored, or named by a skipped row
    std::array<bool, region::kChannelCount + 1> stored{};
    std::array<bool, kColumnCount> defaulted{};  // columns the file lacks that a stored row needed
    int nextChannel = std::max(1, placement.firstChannel);
    auto takeChannel = [&]() {
        while (nextChannel <= region::kChannelCount && placement.fillFree &&
               options.scope == ImportScope::NamedChannels &&
               IsChannelInUse(ReadChannel(image, nextChannel), limits)) {
            ++nextChannel;
        }
        return nextChannel <= region::kChannelCount ? nextChannel++ : 0;
    };
    std::vector<CutName> cutNames;
    for (const CsvRow* row : dataRows) {
        ++report.rows;
        const RowFields fields(positions, *row);
        RowPlan plan;
        if (std::any_of(row->fields.begin() +
                            static_cast<std::ptrdiff_t>(std::min(width, row->fields.size())),
                        row->fields.end(),
                        [](const std::string& field) { return !Trim(field).empty(); })) {
            plan.skip.push_back(Fill(Msg("Model",
                                         "the row has %1 fields, more than the %2 columns the "
                                         "header names, so its values may be out of place"),
                                     row->fields.size(), width));
        }
        if (!placement.inOrder) {
            PlanLocation(fields, row->line, shift, firstLineOf, plan);
        }
        PlanFrequencies(fields, limits, plan);
        PlanTones(fields, plan);
        PlanMode(fields, plan);
        if (plan.skip.empty() && placement.inOrder) {
            plan.location = takeChannel();
            if (plan.location == 0) {
                plan.skip.push_back(
                    placement.fillFree
                        ? Fill(Msg("Model", "no free channel is left"))
                        : Fill(Msg("Model", "no channel is left after %1"), region::kChannelCount));
            }
        }
        if (plan.skip.empty()) {
            PlanPower(fields, plan);
            PlanBusyLock(fields, plan);
            PlanDroppedValues(fields, plan);
            PlanName(fields, plan);
            if (StorePlan(plan, limits, work)) {
                ++report.imported;
                stored[static_cast<std::size_t>(plan.location)] = true;
                for (std::size_t c = 0; c < kColumnCount; ++c) {
                    defaulted[c] = defaulted[c] || fields.Defaulted()[c];
                }
            }
        }
        if (plan.location > 0) {
            named[static_cast<std::size_t>(plan.location)] = true;
        }
        const bool skipped = !plan.skip.empty();
        if (skipped) {
            ++report.skipped;
        }
        if (skipped || !plan.notes.empty()) {
            report.issues.push_back(
                {row->line, plan.location, skipped, skipped ? plan.skip : plan.notes});
        }
        const std::string_view given = fields[kName];
        if (!skipped && plan.name.size() == record::kNameLength &&
            given.size() > record::kNameLength) {
            cutNames.push_back({plan.location, std::string(given), report.issues.size() - 1});
        }
    }
    SettleCutNames(cutNames, options.distinctNames, limits, work, report);
    for (const auto& [column, note] : kDefaultNotes) {
        if (defaulted[column]) {
            report.notes.push_back(Fill(note));
        }
    }
    for (int n = 1; n <= region::kChannelCount; ++n) {
        if (named[static_cast<std::size_t>(n)] && !stored[static_cast<std::size_t>(n)]) {
            report.kept.push_back(n);
        }
    }

    if (report.imported == 0) {
        // A file for the other band, say: nothing of it is in the radio, and
        // under ReplaceAll clearing every channel for it would leave nothing.
        return Result::Failure(Fill(
            options.scope == ImportScope::ReplaceAll
                ? Msg("Model", "No row of the file could be stored, so no channel was cleared.")
                : Msg("Model", "No row of the file could be stored, so nothing was changed.")));
    }
    if (options.scope == ImportScope::ReplaceAll) {
        for (int n = 1; n <= region::kChannelCount; ++n) {
            if (named[static_cast<std::size_t>(n)]) {
                continue;
            }
            if (IsChannelInUse(ReadChannel(work, n), limits)) {
                ++report.cleared;
            }
            WriteChannelDefaults(work, n, std::nullopt);
        }
    }
    image = work;
    return Result::Success();
}

std::string ImportSummary(const ChannelImportReport& report) {
    std::vector<std::string> parts{Fill(report.rows == 1 ? Msg("Model", "%1 of %2 row stored")
                                                         : Msg("Model", "%1 of %2 rows stored"),
                                        report.imported, report.rows),
                                   Fill(Msg("Model", "%1 skipped"), report.skipped)};
    if (!report.kept.empty()) {
        parts.push_back(Fill(report.kept.size() == 1
                                 ? Msg("Model", "%1 channel of a skipped row kept as it was")
                                 : Msg("Model", "%1 channels of skipped rows kept as they were"),
                             report.kept.size()));
    }
    if (report.cleared > 0) {
        parts.push_back(Fill(report.cleared == 1 ? Msg("Model", "%1 other channel cleared")
                                                 : Msg("Model", "%1 other channels cleared"),
                             report.cleared));
    }
    return JoinedList(parts);
}

std::vector<std::string> ImportReportLines(const ChannelImportReport& report) {
    std::vector<std::string> lines;
    for (const ImportIssue& issue : report.issues) {
        std::string reasons;
        for (std::size_t i = 0; i < issue.reasons.size(); ++i) {
            reasons += (i > 0 ? Fill(Msg("Model", "; ")) : "") + issue.reasons[i];
        }
        if (issue.location > 0) {
            lines.push_back(issue.skipped ? Fill(Msg("Model", "line %1, channel %2: skipped: %3"),
                                                 issue.line, issue.location, reasons)
                                          : Fill(Msg("Model", "line %1, channel %2: imported: %3"),
                                                 issue.line, issue.location, reasons));
        } else {
            lines.push_back(issue.skipped
                                ? Fill(Msg("Model", "line %1: skipped: %2"), issue.line, reasons)
                                : Fill(Msg("Model", "line %1: imported: %2"), issue.line, reasons));
        }
    }
    lines.insert(lines.end(), report.notes.begin(), report.notes.end());
    if (!report.kept.empty()) {
        std::vector<std::string> numbers;
        for (const int channel : report.kept) {
            numbers.push_back(std::to_string(channel));
        }
        lines.push_back(Fill(Msg("Model", "channels of skipped rows, kept as they were: %1"),
                             JoinedList(numbers)));
    }
    lines.push_back(ImportSummary(report));
    return lines;
}

ChannelListHeader ReadChannelListHeader(std::string_view text, char separator) {
    const std::vector<CsvRow> rows =
        ParseCsv(text.substr(0, text.find_first_of("\r\n")), separator);
    ChannelListHeader header;
    for (const std::string& field :
         rows.empty() ? std::vector<std::string>{} : rows.front().fields) {
        const std::string name = LowerTrimmed(field);
        header.frequency = header.frequency || name == kColumnNames[kFrequency];
        header.location = header.location || name == kColumnNames[kLocation];
    }
    return header;
}

Result ReadChannelCsvFile(const std::filesystem::path& file, std::string& text) {
    const FileStart start = ReadFileStart(file, kChannelCsvSizeLimit + 1);
    if (!start.opened || start.error != 0) {
        return Result::Failure(SystemErrorText(start.error),
                               Fill(Msg("Model", "reading %1"), file.string()));
    }
    if (start.bytes.size() > kChannelCsvSizeLimit) {
        return Result::Failure(Fill(Msg("Model", "The file is too large for a channel list.")),
                               Fill(Msg("Model", "reading %1"), file.string()));
    }
    text.assign(start.bytes.begin(), start.bytes.end());
    return Result::Success();
}

Result WriteChannelCsvFile(const std::filesystem::path& file, const Image& image,
                           const FrequencyLimits& limits) {
    const std::string csv = ExportChannelCsv(image, limits);
    const auto* first = reinterpret_cast<const Byte*>(csv.data());
    return WriteFileAtomically(file, std::span<const Byte>(first, csv.size()));
}

}  // namespace ht57
