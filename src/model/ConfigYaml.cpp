#include "model/ConfigYaml.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "model/ChannelFieldEdit.h"
#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"
#include "model/ConfigReadBack.h"
#include "model/DtmfCodec.h"
#include "model/FmCodec.h"
#include "model/Frequency.h"
#include "model/FrequencyRange.h"
#include "model/OptionCodec.h"
#include "model/OptionLists.h"
#include "model/RadioInfo.h"
#include "model/TextRules.h"
#include "model/Tones.h"
#include "model/UserText.h"
#include "model/YamlShape.h"

namespace ht57 {
namespace {

using Choices = std::vector<std::string_view>;

template <typename List>
Choices ChoicesOf(const List& list) {
    return Choices(list.begin(), list.end());
}

// One field of a view's values, named, listed and ranged by its row of the
// settings field table: a list position shown as its entry, a check box, or
// an edit's text. A two-entry list the values hold as a bool (work mode) is
// true at its first entry, as the record stores it.
template <typename Values>
struct Field {
    const SettingsField& row;
    int Values::*position = nullptr;
    bool Values::*flag = nullptr;
    std::string Values::*text = nullptr;
};

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), text::IsDigit);
}

// Why an edit's text cannot be stored in the field, as a template for the
// shown value; nullptr when it can.
const char* TextProblem(const SettingsField& row, std::string_view text) {
    switch (row.kind) {
        case FieldKind::BandEdge:
            return IsDigits(text) && text.size() <= kLimitEditLength
                       ? nullptr
                       : Msg("Model", "%1 is not whole MHz");
        case FieldKind::Frequency:
            return text::IsPlainDecimal(text) && text.size() <= kRxFrequencyEditLength
                       ? nullptr
                       : Msg("Model", "%1 is not a frequency in MHz");
        case FieldKind::DtmfCode: {
            const bool ok =
                text.size() <= kDtmfCodeLength && std::all_of(text.begin(), text.end(), [](char c) {
                    return kDtmfAlphabet.substr(0, 16).find(c) != std::string_view::npos;
                });
            return ok ? nullptr : Msg("Model", "%1 is not up to 8 of 0-9 and A-F");
        }
        case FieldKind::Timing: {
            if (!IsDigits(text) || text.size() > kTimingEditLength) {
                return Msg("Model", "%1 is not a time in milliseconds");
            }
            const int ms = std::stoi(std::string(text));
            return ms >= row.low * row.scale && ms <= row.high * row.scale
                       ? nullptr
                       : Msg("Model", "%1 is outside the range the radio can hold");
        }
        default:
            return Msg("Model", "%1 cannot be given as text");
    }
}

template <typename Values>
Choices ChoicesFor(const Field<Values>& field, const Values& values) {
    if (field.row.kind == FieldKind::Tone) {
        return ChoicesOf(ToneList());
    }
    if constexpr (requires { values.priorityChannels; }) {
        if (field.row.kind == FieldKind::Number) {
            return ChoicesOf(values.priorityChannels);
        }
    }
    return ChoicesOf(field.row.entries);
}

const std::vector<Field<RadioInfoValues>>& RadioInfoFields() {
    using V = RadioInfoValues;
    static const std::vector<Field<V>> fields{
        {.row = field::kBand, .position = &V::band},
        {.row = field::kReceiveEnable, .flag = &V::receiveEnable},
    };
    return fields;
}

const std::vector<Field<OptionValues>>& OptionFields() {
    using V = OptionValues;
    static const std::vector<Field<V>> fields{
        {.row = field::kLowerLimit, .text = &V::lowerLimit},
        {.row = field::kUpperLimit, .text = &V::upperLimit},
        {.row = field::kSquelch, .position = &V::squelch},
        {.row = field::kVox, .position = &V::vox},
        {.row = field::kTot, .position = &V::tot},
        {.row = field::kBackLight, .position = &V::backLight},
        {.row = field::kDisplay, .position = &V::display},
        {.row = field::kPttId, .position = &V::pttId},
        {.row = field::kPf3, .position = &V::pf3},
        {.row = field::kScanMode, .position = &V::scanMode},
        {.row = field::kStep, .position = &V::step},
        {.row = field::kDecode, .position = &V::decodeTone},
        {.row = field::kEncode, .position = &V::encodeTone},
        {.row = field::kBandwidth, .position = &V::bandwidth},
        {.row = field::kPower, .position = &V::power},
        {.row = field::kDuplex, .position = &V::duplex},
        {.row = field::kBeep, .flag = &V::beep},
        {.row = field::kSave, .flag = &V::save},
        {.row = field::kManual, .flag = &V::manual},
        {.row = field::kChannelEmbed, .flag = &V::channelEmbedEnable},
        {.row = field::kPriorityScan, .flag = &V::priorityScan},
        {.row = field::kOnlyChannelMode, .flag = &V::onlyChannelMode},
        {.row = field::kWorkMode, .flag = &V::frequencyMode},
        {.row = field::kDtmfCode, .text = &V::dtmfCode},
        {.row = field::kRxFrequency, .text = &V::rxFrequency},
        {.row = field::kOffsetFrequency, .text = &V::offsetFrequency},
        {.row = field::kPriorityChannel, .position = &V::priorityChannel},
    };
    return fields;
}

const std::vector<Field<DtmfValues>>& DtmfFields() {
    using V = DtmfValues;
    static const std::vector<Field<V>> fields{
        {.row = field::kFirstDigitDelay, .text = &V::firstDigitDelay},
        {.row = field::kDigitInterval, .text = &V::digitInterval},
        {.row = field::kDigitDelayTime, .text = &V::digitDelayTime},
        {.row = field::kSideTone, .flag = &V::sideTone},
    };
    return fields;
}

constexpr std::string_view kFmSection = field::kFmChannels.key;
constexpr std::array<std::string_view, 5> kSections{"radio_info", "options", "dtmf", kFmSection,
                                                    "channels"};

template <typename Values>
void EmitFields(YAML::Emitter& out, const std::vector<Field<Values>>& fields,
                const Values& values) {
    out << YAML::BeginMap;
    for (const Field<Values>& field : fields) {
        out << YAML::Key << std::string(field.row.key) << YAML::Value;
        if (field.position) {
            const int position = values.*field.position;
            const Choices choices = ChoicesFor(field, values);
            if (position < 0 || static_cast<std::size_t>(position) >= choices.size()) {
                out << YAML::Null;
            } else {
                out << YAML::DoubleQuoted
                    << std::string(choices[static_cast<std::size_t>(position)]);
            }
        } else if (field.flag && field.row.kind == FieldKind::List) {
            out << std::string(field.row.entries[values.*field.flag ? 0 : 1]);
        } else if (field.flag) {
            out << (values.*field.flag);
        } else {
            out << YAML::DoubleQuoted << values.*field.text;
        }
    }
    out << YAML::EndMap;
}

// A failure naming the line of `node` and the key path.
Result LineFailure(const YAML::Node& node, const std::string& path, const std::string& why) {
    return Result::Failure(Fill(Msg("Model", "line %1: %2: %3"), node.Mark().line + 1, path, why));
}

std::string Shown(const YAML::Node& node) {
    return node.IsScalar() ? "\"" + node.Scalar() + "\"" : Fill(Msg("Model", "this value"));
}

template <typename Values>
Result ReadField(const Field<Values>& field, const YAML::Node& node, const std::string& path,
                 Values& values) {
    if (field.position) {
        if (node.IsNull()) {
            values.*field.position = kNoSelection;
            return Result::Success();
        }
        const Choices choices = ChoicesFor(field, values);
        const auto found = node.IsScalar()
                               ? std::find(choices.begin(), choices.end(), node.Scalar())
                               : choices.end();
        if (found == choices.end()) {
            std::string list;
            for (std::size_t i = 0; i < choices.size() && i < 12; ++i) {
                list += (i ? ", " : "") + std::string(choices[i]);
            }
            return LineFailure(node, path,
                               Fill(Msg("Model", "%1 is not one of %2"), Shown(node),
                                    list + (choices.size() > 12 ? ", ..." : "")));
        }
        values.*field.position = static_cast<int>(found - choices.begin());
        return Result::Success();
    }
    if (!node.IsScalar()) {
        return LineFailure(node, path, Fill(Msg("Model", "needs a single value")));
    }
    if (field.flag && field.row.kind == FieldKind::List) {
        for (bool value : {true, false}) {
            if (node.Scalar() == field.row.entries[value ? 0 : 1]) {
                values.*field.flag = value;
                return Result::Success();
            }
        }
        return LineFailure(node, path,
                           Fill(Msg("Model", "%1 is not %2 or %3"), Shown(node),
                                field.row.entries[0], field.row.entries[1]));
    }
    if (field.flag) {
        bool value = false;
        if (!YAML::convert<bool>::decode(node, value) || node.Tag() == "!") {
            return LineFailure(node, path,
                               Fill(Msg("Model", "%1 is not true or false"), Shown(node)));
        }
        values.*field.flag = value;
        return Result::Success();
    }
    // What the image holds already is taken as it is, odd or not: it changes
    // nothing.
    const bool unchanged = node.Scalar() == values.*field.text;
    if (const char* why = unchanged ? nullptr : TextProblem(field.row, node.Scalar())) {
        return LineFailure(node, path, Fill(why, Shown(node)));
    }
    values.*field.text = node.Scalar();
    return Result::Success();
}

// Reads the keys of one section into `values`; every key must be a field.
template <typename Values>
Result ReadSection(const YAML::Node& section, const char* name,
                   const std::vector<Field<Values>>& fields, Values& values) {
    if (!section.IsDefined() || section.IsNull()) {
        return Result::Success();
    }
    if (!section.IsMap()) {
        return LineFailure(section, name, Fill(Msg("Model", "needs keys and values")));
    }
    for (auto it = section.begin(); it != section.end(); ++it) {
        const std::string key = it->first.Scalar();
        const auto field = std::find_if(fields.begin(), fields.end(),
                                        [&](const Field<Values>& f) { return key == f.row.key; });
        if (field == fields.end()) {
            return LineFailure(it->first, name, Fill(Msg("Model", "unknown key \"%1\""), key));
        }
        if (Result read = ReadField(*field, it->second, std::string(name) + "." + key, values);
            !read) {
            return read;
        }
    }
    return Result::Success();
}

std::optional<int> NumberKey(const YAML::Node& key, int low, int high) {
    const std::string text = key.IsScalar() ? key.Scalar() : std::string();
    if (!IsDigits(text) || text.size() > 3) {
        return std::nullopt;
    }
    const int number = std::stoi(text);
    return number >= low && number <= high ? std::optional(number) : std::nullopt;
}

template <typename Values>
bool SameValue(const Field<Values>& field, const Values& a, const Values& b) {
    if (field.position) {
        return a.*field.position == b.*field.position;
    }
    if (field.flag) {
        return a.*field.flag == b.*field.flag;
    }
    return a.*field.text == b.*field.text;
}

template <typename Values>
void CopyValue(const Field<Values>& field, const Values& from, Values& to) {
    if (field.position) {
        to.*field.position = from.*field.position;
    } else if (field.flag) {
        to.*field.flag = from.*field.flag;
    } else {
        to.*field.text = from.*field.text;
    }
}

// Copies one field's bits, and nothing else, from `from` into `to`.
void CopyFieldBits(const SettingsField& field, const Image& from, Image& to) {
    for (std::size_t i = 0; i < field.Size(); ++i) {
        Byte& byte = to[field.address + i];
        byte = static_cast<Byte>((byte & ~field.mask) | (from[field.address + i] & field.mask));
    }
    if (field.bankMask != 0) {
        Byte& bank = to[field.bankAddress];
        bank = static_cast<Byte>((bank & ~field.bankMask) |
                                 (from[field.bankAddress] & field.bankMask));
    }
}

// A value the file gives as the original data held it is no edit: it
// neither changes a byte nor undoes what an edit elsewhere in the file did
// (a band change, a range commit). The edited fields go onto the values as
// they are now, are encoded, and only their bits reach the image, so a stored
// value nobody edited is never re-encoded.
template <typename Values, typename Encode>
std::vector<const SettingsField*> StoreEditedFields(const std::vector<Field<Values>>& fields,
                                                    const Values& original, const Values& given,
                                                    Values& now, Encode encode, Image& image) {
    std::vector<const SettingsField*> edited;
    for (const Field<Values>& field : fields) {
        if (field.row.kind != FieldKind::BandEdge && !SameValue(field, original, given)) {
            CopyValue(field, given, now);
            edited.push_back(&field.row);
        }
    }
    if (!edited.empty()) {
        Image encoded = image;
        encode(now, encoded);
        for (const SettingsField* field : edited) {
            CopyFieldBits(*field, encoded, image);
        }
    }
    return edited;
}

// The channel fields the file edits, set onto what the channel shows now.
Result ApplyChannels(const YAML::Node& section, const RadioData& original, RadioData& work,
                     std::vector<std::string>& warnings) {
    if (!section.IsDefined() || section.IsNull()) {
        return Result::Success();
    }
    if (!section.IsMap()) {
        return LineFailure(section, "channels",
                           Fill(Msg("Model", "needs channel numbers and their fields")));
    }
    for (auto it = section.begin(); it != section.end(); ++it) {
        const auto channel = NumberKey(it->first, 1, region::kChannelCount);
        if (!channel) {
            return LineFailure(
                it->first, "channels",
                Fill(Msg("Model", "\"%1\" is not a channel from 1 to 128"), it->first.Scalar()));
        }
        const std::string path = "channels." + std::to_string(*channel);
        const YAML::Node node = it->second;
        const ChannelTexts before = DecodeChannelAt(original.image, *channel, original.limits);
        const ChannelTexts current = DecodeChannelAt(work.image, *channel, work.limits);
        if (node.IsNull()) {
            if (!current.rxFrequency.empty()) {
                WriteChannelDefaults(work.image, *channel, std::nullopt);
            }
            continue;
        }
        if (!node.IsMap()) {
            return LineFailure(
                node, path,
                Fill(Msg("Model", "needs the channel's fields, or null when not in use")));
        }
        ChannelTexts edits = current;
        std::array<std::optional<YAML::Node>, kChannelColumnCount> lines;
        for (auto field = node.begin(); field != node.end(); ++field) {
            const std::string key = field->first.Scalar();
            const auto column = std::find_if(kChannelFieldKeys.begin(), kChannelFieldKeys.end(),
                                             [&](const auto& entry) { return key == entry.first; });
            if (column == kChannelFieldKeys.end()) {
                return LineFailure(field->first, path,
                                   Fill(Msg("Model", "unknown key \"%1\""), key));
            }
            if (!field->second.IsScalar()) {
                return LineFailure(field->second, path + "." + key,
                                   Fill(Msg("Model", "needs a single value")));
            }
            const auto index = static_cast<std::size_t>(column - kChannelFieldKeys.begin());
            lines[index].emplace(field->second);
            if (field->second.Scalar() != before.*(column->second)) {
                edits.*(column->second) = field->second.Scalar();
            }
        }
        ChannelColumn refused = ChannelColumn::RxFrequency;
        if (Result stored =
                StoreChannelTexts(work.image, work.limits, *channel, edits, nullptr, &refused);
            !stored) {
            const auto index = static_cast<std::size_t>(static_cast<int>(refused) - 1);
            const YAML::Node at = lines[index].value_or(node);
            return LineFailure(at, path + "." + kChannelFieldKeys[index].first, stored.message);
        }
        // A stored frequency outside the band that the edit left alone is
        // kept, and said.
        if (edits != current) {
            for (std::size_t index : {std::size_t{0}, std::size_t{1}}) {
                const auto& [key, member] = kChannelFieldKeys[index];
                const std::string& kept = current.*member;
                const std::uint32_t value = ParseFrequency(kept);
                if (edits.*member == kept &&
                    (value < work.limits.lower || value > work.limits.upper)) {
                    const YAML::Node at = lines[index].value_or(node);
                    warnings.push_back(
                        Fill(Msg("Model", "line %1: %2: %3 lies outside %4; kept as stored"),
                             at.Mark().line + 1, path + "." + key, kept,
                             FrequencyLimitsText(work.limits)));
                }
            }
        }
    }
    return Result::Success();
}

// 87.0 to 108.0 MHz: the preset field's range in 100 kHz steps.
bool InPresetRange(std::string_view text) {
    const std::uint32_t hundredKilohertz = ParseFrequency(text) / 10'000;
    return hundredKilohertz >= static_cast<std::uint32_t>(field::kFmChannels.low) &&
           hundredKilohertz <= static_cast<std::uint32_t>(field::kFmChannels.high);
}

// The number of the first FM preset in a file of that format.
int FirstPresetNumber(int format) {
    return format >= kConfigYamlFormat ? 0 : 1;
}

Result ApplyFm(const YAML::Node& section, int format, const Image& original, Image& image) {
    if (!section.IsDefined() || section.IsNull()) {
        return Result::Success();
    }
    if (!section.IsMap()) {
        return LineFailure(section, std::string(kFmSection),
                           Fill(Msg("Model", "needs preset numbers and frequencies")));
    }
    const int first = FirstPresetNumber(format);
    const int last = first + kFmPresetCount - 1;
    const FmTexts before = DecodeFm(original);
    FmTexts texts = DecodeFm(image);
    std::vector<std::size_t> edited;
    for (auto it = section.begin(); it != section.end(); ++it) {
        const auto preset = NumberKey(it->first, first, last);
        if (!preset) {
            return LineFailure(it->first, std::string(kFmSection),
                               Fill(Msg("Model", "\"%1\" is not a preset from %2 to %3"),
                                    it->first.Scalar(), first, last));
        }
        const auto index = static_cast<std::size_t>(*preset - first);
        const std::string path = std::string(kFmSection) + "." + std::to_string(*preset);
        const YAML::Node node = it->second;
        const std::string text = node.IsScalar() ? node.Scalar() : std::string();
        const bool unchanged = node.IsScalar() && text == before[index];
        const bool inRange =
            unchanged || text.empty() ||
            (text::IsPlainDecimal(text) && text.size() <= kFmEditLength && InPresetRange(text));
        if (!node.IsScalar() || !inRange) {
            return LineFailure(
                node, path,
                Fill(Msg("Model", "%1 is not empty or 87.0 to 108.0 MHz"), Shown(node)));
        }
        if (!unchanged) {
            texts[index] = CommitFmText(text);
            edited.push_back(index);
        }
    }
    Image encoded = image;
    EncodeFm(texts, encoded);
    for (const std::size_t index : edited) {
        image[field::kFmChannels.address + index] = encoded[field::kFmChannels.address + index];
    }
    return Result::Success();
}

Result ReadFormat(const YAML::Node& root, int& format) {
    format = kFirstConfigYamlFormat;
    const YAML::Node node = root["format"];
    if (!node.IsDefined()) {
        return Result::Success();
    }
    const std::string text = node.IsScalar() ? node.Scalar() : std::string();
    if (text == "1" || text == "2") {
        format = text[0] - '0';
        return Result::Success();
    }
    return LineFailure(
        node, "format",
        Fill(Msg("Model", "%1 is not a format this program reads (1 or 2)"), Shown(node)));
}

// Narrowing the range clears the channels in use outside it, as the form
// does once its question is answered. The file answers it by giving those
// channels as null; otherwise the range is refused at its key's line.
Result CheckRangeErasures(const FrequencyRangeEdits& edits, const RadioData& work,
                          const YAML::Node& channels, const YAML::Node& at,
                          const std::string& path) {
    RadioData after = work;
    CommitFrequencyRange(edits, after);
    std::string kept;
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const bool lost = IsChannelInUse(ReadChannel(work.image, n), work.limits) &&
                          !IsChannelInUse(ReadChannel(after.image, n), after.limits);
        const YAML::Node given = channels.IsMap() ? channels[std::to_string(n)] : YAML::Node();
        if (lost && !(given.IsDefined() && given.IsNull())) {
            kept += (kept.empty() ? "" : ", ") + std::to_string(n);
        }
    }
    if (kept.empty()) {
        return Result::Success();
    }
    return LineFailure(at, path,
                       Fill(Msg("Model",
                                "the range %1-%2MHz clears channel(s) %3 in use; give them as null "
                                "under channels to clear them"),
                            edits.lowerLimit, edits.upperLimit, kept));
}

Result ApplyRange(const YAML::Node& optionsNode, const YAML::Node& channels,
                  const RadioData& original, RadioData& work) {
    if (!optionsNode.IsDefined() || !optionsNode.IsMap()) {
        return Result::Success();
    }
    const OptionValues before = DecodeOptions(original.image, original.limits);
    OptionValues given = before;
    std::optional<YAML::Node> edited;
    std::string path;
    for (const Field<OptionValues>& field : OptionFields()) {
        const std::string key(field.row.key);
        const YAML::Node node = optionsNode[key];
        if (field.row.kind != FieldKind::BandEdge || !node.IsDefined()) {
            continue;
        }
        if (Result read = ReadField(field, node, "options." + key, given); !read) {
            return read;
        }
        if (!SameValue(field, before, given) && !edited) {
            edited.emplace(node);
            path = "options." + key;
        }
    }
    if (!edited) {
        return Result::Success();
    }
    const OptionValues now = DecodeOptions(work.image, work.limits);
    // A limit the file leaves as it was keeps what the image holds now.
    const FrequencyRangeEdits edits{
        given.lowerLimit != before.lowerLimit ? given.lowerLimit : now.lowerLimit,
        given.upperLimit != before.upperLimit ? given.upperLimit : now.upperLimit, now.rxFrequency};
    if (Result checked = CheckRangeErasures(edits, work, channels, *edited, path); !checked) {
        return checked;
    }
    const FrequencyRangeEdits shown = CommitFrequencyRange(edits, work);
    // The form stores its limit edits, and the Rx Frequency it reset, next.
    OptionValues stored = DecodeOptions(work.image, work.limits);
    stored.lowerLimit = shown.lowerLimit;
    stored.upperLimit = shown.upperLimit;
    stored.rxFrequency = shown.rxFrequency;
    Image encoded = work.image;
    EncodeOptions(stored, encoded);
    for (const SettingsField* field :
         {&field::kLowerLimit, &field::kUpperLimit, &field::kRxFrequency}) {
        CopyFieldBits(*field, encoded, work.image);
    }
    return Result::Success();
}

Result ApplyOptions(const YAML::Node& optionsNode, const RadioData& original, RadioData& work) {
    const OptionValues before = DecodeOptions(original.image, original.limits);
    OptionValues given = before;
    if (Result read = ReadSection(optionsNode, "options", OptionFields(), given); !read) {
        return read;
    }
    OptionValues now = DecodeOptions(work.image, work.limits);
    // Snapped as the form snaps a typed value; more than the field can hold
    // is refused, never stored cut.
    const std::pair<std::string OptionValues::*, const SettingsField*> kFrequencies[] = {
        {&OptionValues::rxFrequency, &field::kRxFrequency},
        {&OptionValues::offsetFrequency, &field::kOffsetFrequency}};
    for (const auto& [text, settingsField] : kFrequencies) {
        if (given.*text == before.*text) {
            continue;
        }
        const auto snapped = SnappedFrequencyText(given.*text);
        if (!snapped) {
            const std::string key(settingsField->key);
            return LineFailure(
                optionsNode[key], "options." + key,
                Fill(Msg("Model", "\"%1\" is more than the field can hold"), given.*text));
        }
        given.*text = *snapped;
    }
    // The priority channel is named by its number, which means the same
    // whatever the list of channels in use now holds.
    std::optional<Byte> priority;
    if (given.priorityChannel != before.priorityChannel) {
        const std::string wanted =
            given.priorityChannel == kNoSelection
                ? std::string()
                : given.priorityChannels[static_cast<std::size_t>(given.priorityChannel)];
        if (!wanted.empty() && std::find(now.priorityChannels.begin(), now.priorityChannels.end(),
                                         wanted) == now.priorityChannels.end()) {
            const std::string key(field::kPriorityChannel.key);
            return LineFailure(optionsNode[key], "options." + key,
                               Fill(Msg("Model", "channel %1 is not in use"), wanted));
        }
        priority = static_cast<Byte>(wanted.empty() ? 0 : std::stoi(wanted));
        given.priorityChannel = before.priorityChannel;
    }
    const std::vector<const SettingsField*> edited = StoreEditedFields(
        OptionFields(), before, given, now,
        [](const OptionValues& values, Image& image) { EncodeOptions(values, image); }, work.image);
    if (priority) {
        work.image[field::kPriorityChannel.address] = *priority;
    }
    // Checking "Only Channel Mode" checks "Channel" too, as the form does.
    if (now.onlyChannelMode &&
        std::find(edited.begin(), edited.end(), &field::kOnlyChannelMode) != edited.end()) {
        Image encoded = work.image;
        EncodeOptions(now, encoded);
        CopyFieldBits(field::kWorkMode, encoded, work.image);
    }
    return Result::Success();
}

Result ApplySections(const YAML::Node& root, RadioData& work, std::vector<std::string>& warnings) {
    for (auto it = root.begin(); it != root.end(); ++it) {
        const std::string key = it->first.Scalar();
        if (key != "format" &&
            std::find(kSections.begin(), kSections.end(), key) == kSections.end()) {
            return LineFailure(it->first, Fill(Msg("Model", "top level")),
                               Fill(Msg("Model", "unknown key \"%1\""), key));
        }
    }
    int format = kConfigYamlFormat;
    if (Result read = ReadFormat(root, format); !read) {
        return read;
    }
    const RadioData original = work;

    const RadioInfoValues info = DecodeRadioInfo(original.image);
    RadioInfoValues givenInfo = info;
    if (Result read = ReadSection(root["radio_info"], "radio_info", RadioInfoFields(), givenInfo);
        !read) {
        return read;
    }
    // A band change does all the Radio Info form's does, whatever else the
    // file gives: the values it resets are edits only where the file changes
    // them.
    if (givenInfo.band != info.band && BandChangeNeeded(givenInfo.band, work.image)) {
        ApplyBandChange(givenInfo.band, work);
    }
    RadioInfoValues nowInfo = DecodeRadioInfo(work.image);
    StoreEditedFields(RadioInfoFields(), info, givenInfo, nowInfo, EncodeRadioInfo, work.image);

    // The frequency range comes before the channels, which must lie in it;
    // the other options come last, as the priority channel list depends on
    // the channels.
    const YAML::Node optionsNode = root["options"];
    const YAML::Node channelsNode = root["channels"];
    if (Result range = ApplyRange(optionsNode, channelsNode, original, work); !range) {
        return range;
    }
    if (Result channels = ApplyChannels(channelsNode, original, work, warnings); !channels) {
        return channels;
    }
    if (Result fm = ApplyFm(root[std::string(kFmSection)], format, original.image, work.image);
        !fm) {
        return fm;
    }
    const DtmfValues dtmf = DecodeDtmf(original.image);
    DtmfValues givenDtmf = dtmf;
    if (Result read = ReadSection(root["dtmf"], "dtmf", DtmfFields(), givenDtmf); !read) {
        return read;
    }
    DtmfValues nowDtmf = DecodeDtmf(work.image);
    StoreEditedFields(DtmfFields(), dtmf, givenDtmf, nowDtmf, EncodeDtmf, work.image);

    if (optionsNode.IsDefined() && !optionsNode.IsNull()) {
        return ApplyOptions(optionsNode, original, work);
    }
    return Result::Success();
}

// The section that holds `key`, and whether its value is a list position.
template <typename Values>
bool FindKey(const std::vector<Field<Values>>& fields, std::string_view key, bool& position) {
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const Field<Values>& f) { return f.row.key == key; });
    position = found != fields.end() && found->position != nullptr;
    return found != fields.end();
}

std::optional<std::string> SectionOf(std::string_view key, bool& position) {
    position = false;
    if (key == kFmSection) {
        return std::string(kFmSection);
    }
    if (FindKey(RadioInfoFields(), key, position)) {
        return "radio_info";
    }
    if (FindKey(OptionFields(), key, position)) {
        return "options";
    }
    if (FindKey(DtmfFields(), key, position)) {
        return "dtmf";
    }
    return std::nullopt;
}

}  // namespace

std::string DumpConfigYaml(const RadioData& data, int format) {
    YAML::Emitter out;
    out << YAML::BeginMap;
    if (format >= kConfigYamlFormat) {
        out << YAML::Key << "format" << YAML::Value << format;
    }
    out << YAML::Key << "radio_info" << YAML::Value;
    EmitFields(out, RadioInfoFields(), DecodeRadioInfo(data.image));
    out << YAML::Key << "options" << YAML::Value;
    EmitFields(out, OptionFields(), DecodeOptions(data.image, data.limits));
    out << YAML::Key << "dtmf" << YAML::Value;
    EmitFields(out, DtmfFields(), DecodeDtmf(data.image));

    out << YAML::Key << std::string(kFmSection) << YAML::Value << YAML::BeginMap;
    const FmTexts fm = DecodeFm(data.image);
    const int first = FirstPresetNumber(format);
    for (int preset = 0; preset < kFmPresetCount; ++preset) {
        out << YAML::Key << preset + first << YAML::Value << YAML::DoubleQuoted
            << fm[static_cast<std::size_t>(preset)];
    }
    out << YAML::EndMap;

    out << YAML::Key << "channels" << YAML::Value << YAML::BeginMap;
    for (int channel = 1; channel <= region::kChannelCount; ++channel) {
        const ChannelTexts texts = DecodeChannelAt(data.image, channel, data.limits);
        out << YAML::Key << channel << YAML::Value;
        if (texts.rxFrequency.empty()) {
            out << YAML::Null;
            continue;
        }
        out << YAML::Flow << YAML::BeginMap;
        for (const auto& [key, member] : kChannelFieldKeys) {
            out << YAML::Key << key << YAML::Value << YAML::DoubleQuoted << texts.*member;
        }
        out << YAML::EndMap;
    }
    out << YAML::EndMap << YAML::EndMap;
    return std::string(out.c_str()) + "\n";
}

Result ApplyConfigYaml(std::string_view yaml, RadioData& data) {
    std::vector<std::string> adjusted;
    return ApplyConfigYaml(yaml, data, adjusted);
}

Result ApplyConfigYaml(std::string_view yaml, RadioData& data, std::vector<std::string>& adjusted,
                       std::vector<std::string>* warnings) {
    adjusted.clear();
    std::vector<std::string> noted;
    if (Result shape = CheckYamlShape(yaml); !shape) {
        return shape;
    }
    try {
        YamlTextStream text(yaml);
        const YAML::Node root = YAML::Load(text);
        if (root.IsNull()) {
            return Result::Success();
        }
        if (!root.IsMap()) {
            return LineFailure(root, Fill(Msg("Model", "top level")),
                               Fill(Msg("Model", "needs the sections as keys")));
        }
        RadioData work = data;
        if (Result applied = ApplySections(root, work, noted); !applied) {
            return applied;
        }
        data = work;
        if (warnings) {
            *warnings = std::move(noted);
        }
        // Read back in the file's own numbering.
        int format = kConfigYamlFormat;
        static_cast<void>(ReadFormat(root, format));
        adjusted = ReadBackDifferences(yaml, DumpConfigYaml(data, format));
        return Result::Success();
    } catch (const YAML::Exception& e) {
        return Result::Failure(Fill(Msg("Model", "line %1: %2"), e.mark.line + 1, e.msg));
    }
}

Result ApplySettingText(std::string_view key, std::size_t element, std::string_view text,
                        RadioData& data, std::vector<std::string>& adjusted) {
    bool position = false;
    const std::optional<std::string> section = SectionOf(key, position);
    if (!section) {
        return Result::Failure(Fill(Msg("Model", "unknown key \"%1\""), key));
    }
    // On one line, so that a refusal names line 1.
    YAML::Emitter out;
    out << YAML::Flow << YAML::BeginMap << YAML::Key << "format" << YAML::Value << kConfigYamlFormat
        << YAML::Key << *section << YAML::Value << YAML::BeginMap << YAML::Key;
    if (*section == kFmSection) {
        out << element;
    } else {
        out << std::string(key);
    }
    out << YAML::Value;
    if (position && text.empty()) {
        out << YAML::Null;
    } else if (text == "true" || text == "false") {
        out << (text == "true");
    } else {
        out << YAML::DoubleQuoted << std::string(text);
    }
    out << YAML::EndMap << YAML::EndMap;
    // The document is ours, not the user's: its line number says nothing.
    Result result = ApplyConfigYaml(out.c_str(), data, adjusted);
    constexpr std::string_view kFirstLine = "line 1: ";
    if (result.message.starts_with(kFirstLine)) {
        result.message.erase(0, kFirstLine.size());
    }
    return result;
}

}  // namespace ht57
