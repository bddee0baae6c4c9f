#include "model/ConfigYaml.h"

#include <yaml-cpp/yaml.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

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

bool InLimits(std::string_view text, const FrequencyLimits& limits) {
    if (!text::IsPlainDecimal(text)) {
        return false;
    }
    const std::uint32_t value = ParseFrequency(text);
    return value >= limits.lower && value <= limits.upper;
}

// One channel's texts checked against the lists and limits the grid offers.
Result CheckChannel(const YAML::Node& node, const std::string& path, const ChannelTexts& texts,
                    const FrequencyLimits& limits) {
    auto inList = [](const std::string& text, const auto& list) {
        return std::find(list.begin(), list.end(), text) != list.end();
    };
    const std::string limitsText = FrequencyLimitsText(limits);
    if (!InLimits(texts.rxFrequency, limits)) {
        return LineFailure(
            node, path + ".rx_frequency",
            Fill(Msg("Model", "\"%1\" is not a frequency in %2"), texts.rxFrequency, limitsText));
    }
    if (!InLimits(texts.txFrequency, limits)) {
        return LineFailure(
            node, path + ".tx_frequency",
            Fill(Msg("Model", "\"%1\" is not a frequency in %2"), texts.txFrequency, limitsText));
    }
    for (const auto& [key, tone] :
         {std::pair{".rx_tone", &texts.rxTone}, std::pair{".tx_tone", &texts.txTone}}) {
        if (!inList(*tone, ToneList())) {
            return LineFailure(node, path + key,
                               Fill(Msg("Model", "\"%1\" is not in the tone list"), *tone));
        }
    }
    if (!inList(texts.busyLock, kBusyLockTexts) || !inList(texts.power, kPowerTexts) ||
        !inList(texts.bandwidth, kBandwidthTexts)) {
        return LineFailure(
            node, path,
            Fill(Msg("Model", "busy_lock, power or bandwidth is not one of the grid's entries")));
    }
    const bool nameOk = texts.name.size() <= record::kNameLength &&
                        std::all_of(texts.name.begin(), texts.name.end(), [](char c) {
                            return kNameAlphabet.find(c) != std::string_view::npos;
                        });
    if (!nameOk) {
        return LineFailure(
            node, path + ".name",
            Fill(Msg("Model", "\"%1\" is not up to 5 of %2"), texts.name, kNameAlphabet));
    }
    return Result::Success();
}

Result ApplyChannels(const YAML::Node& section, RadioData& work) {
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
        ChannelTexts texts = current;
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
            texts.*(column->second) = field->second.Scalar();
        }
        if (texts == current) {
            continue;
        }
        if (Result checked = CheckChannel(node, path, texts, work.limits); !checked) {
            return checked;
        }
        if (current.rxFrequency.empty()) {
            WriteChannelDefaults(work.image, *channel, ParseFrequency(texts.rxFrequency));
        }
        EncodeChannelAt(texts, work.image, *channel);
    }
    return Result::Success();
}

// 87.0 to 108.0 MHz: the preset field's range in 100 kHz steps.
bool InPresetRange(std::string_view text) {
    const std::uint32_t hundredKilohertz = ParseFrequency(text) / 10'000;
    return hundredKilohertz >= static_cast<std::uint32_t>(field::kFmChannels.low) &&
           hundredKilohertz <= static_cast<std::uint32_t>(field::kFmChannels.high);
}

Result ApplyFm(const YAML::Node& section, Image& image) {
    if (!section.IsDefined() || section.IsNull()) {
        return Result::Success();
    }
    if (!section.IsMap()) {
        return LineFailure(section, std::string(kFmSection),
                           Fill(Msg("Model", "needs preset numbers and frequencies")));
    }
    const FmTexts current = DecodeFm(image);
    FmTexts texts = current;
    for (auto it = section.begin(); it != section.end(); ++it) {
        const auto preset = NumberKey(it->first, 1, static_cast<int>(field::kFmChannels.count));
        if (!preset) {
            return LineFailure(
                it->first, std::string(kFmSection),
                Fill(Msg("Model", "\"%1\" is not a preset from 1 to 16"), it->first.Scalar()));
        }
        const std::string path = std::string(kFmSection) + "." + std::to_string(*preset);
        const YAML::Node node = it->second;
        const std::string text = node.IsScalar() ? node.Scalar() : std::string();
        const bool inRange =
            text.empty() || text == current[static_cast<std::size_t>(*preset - 1)] ||
            (text::IsPlainDecimal(text) && text.size() <= kFmEditLength && InPresetRange(text));
        if (!node.IsScalar() || !inRange) {
            return LineFailure(
                node, path,
                Fill(Msg("Model", "%1 is not empty or 87.0 to 108.0 MHz"), Shown(node)));
        }
        texts[static_cast<std::size_t>(*preset - 1)] = text;
    }
    if (texts != current) {
        for (std::string& text : texts) {
            text = CommitFmText(text);
        }
        EncodeFm(texts, image);
    }
    return Result::Success();
}

Result ApplySections(const YAML::Node& root, RadioData& work) {
    for (auto it = root.begin(); it != root.end(); ++it) {
        const std::string key = it->first.Scalar();
        if (std::find(kSections.begin(), kSections.end(), key) == kSections.end()) {
            return LineFailure(it->first, Fill(Msg("Model", "top level")),
                               Fill(Msg("Model", "unknown key \"%1\""), key));
        }
    }
    const RadioInfoValues info = DecodeRadioInfo(work.image);
    RadioInfoValues newInfo = info;
    if (Result read = ReadSection(root["radio_info"], "radio_info", RadioInfoFields(), newInfo);
        !read) {
        return read;
    }
    if (newInfo != info) {
        if (newInfo.band != info.band && BandChangeNeeded(newInfo.band, work.image)) {
            ApplyBandChange(newInfo.band, work);
        }
        EncodeRadioInfo(newInfo, work.image);
    }

    // The frequency range comes before the channels, which must lie in it;
    // the other options come last, as the priority channel list depends on
    // the channels.
    const YAML::Node optionsNode = root["options"];
    if (optionsNode.IsDefined() && optionsNode.IsMap()) {
        const OptionValues options = DecodeOptions(work.image, work.limits);
        OptionValues newOptions = options;
        for (const Field<OptionValues>& field : OptionFields()) {
            const YAML::Node node = optionsNode[std::string(field.row.key)];
            if (field.row.kind == FieldKind::BandEdge && node.IsDefined()) {
                if (Result read =
                        ReadField(field, node, "options." + std::string(field.row.key), newOptions);
                    !read) {
                    return read;
                }
            }
        }
        if (newOptions.lowerLimit != options.lowerLimit ||
            newOptions.upperLimit != options.upperLimit) {
            CommitFrequencyRange(
                {newOptions.lowerLimit, newOptions.upperLimit, newOptions.rxFrequency}, work);
        }
    }
    if (Result channels = ApplyChannels(root["channels"], work); !channels) {
        return channels;
    }
    if (Result fm = ApplyFm(root[std::string(kFmSection)], work.image); !fm) {
        return fm;
    }
    const DtmfValues dtmf = DecodeDtmf(work.image);
    DtmfValues newDtmf = dtmf;
    if (Result read = ReadSection(root["dtmf"], "dtmf", DtmfFields(), newDtmf); !read) {
        return read;
    }
    if (newDtmf != dtmf) {
        EncodeDtmf(newDtmf, work.image);
    }

    // The priority channel is named by its number, which means the same
    // whatever the list of channels in use now holds.
    const OptionValues now = DecodeOptions(work.image, work.limits);
    OptionValues stored = now;
    if (Result read = ReadSection(optionsNode, "options", OptionFields(), stored); !read) {
        return read;
    }
    stored.lowerLimit = now.lowerLimit;
    stored.upperLimit = now.upperLimit;
    if (stored != now) {
        // Snapped as the form snaps a typed value; more than the field can
        // hold is refused, never stored cut.
        const std::pair<std::string OptionValues::*, const SettingsField*> kFrequencies[] = {
            {&OptionValues::rxFrequency, &field::kRxFrequency},
            {&OptionValues::offsetFrequency, &field::kOffsetFrequency}};
        for (const auto& [text, settingsField] : kFrequencies) {
            if (stored.*text == now.*text) {
                continue;
            }
            const auto snapped = SnappedFrequencyText(stored.*text);
            if (!snapped) {
                const std::string key(settingsField->key);
                return LineFailure(
                    optionsNode[key], "options." + key,
                    Fill(Msg("Model", "\"%1\" is more than the field can hold"), stored.*text));
            }
            stored.*text = *snapped;
        }
        ApplyWorkModeRule(stored);
        EncodeOptions(stored, work.image);
    }
    return Result::Success();
}

}  // namespace

std::string DumpConfigYaml(const RadioData& data) {
    YAML::Emitter out;
    out << YAML::BeginMap;
    out << YAML::Key << "radio_info" << YAML::Value;
    EmitFields(out, RadioInfoFields(), DecodeRadioInfo(data.image));
    out << YAML::Key << "options" << YAML::Value;
    EmitFields(out, OptionFields(), DecodeOptions(data.image, data.limits));
    out << YAML::Key << "dtmf" << YAML::Value;
    EmitFields(out, DtmfFields(), DecodeDtmf(data.image));

    out << YAML::Key << std::string(kFmSection) << YAML::Value << YAML::BeginMap;
    const FmTexts fm = DecodeFm(data.image);
    for (int preset = 1; preset <= kFmPresetCount; ++preset) {
        out << YAML::Key << preset << YAML::Value << YAML::DoubleQuoted
            << fm[static_cast<std::size_t>(preset - 1)];
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

Result ApplyConfigYaml(std::string_view yaml, RadioData& data, std::vector<std::string>& adjusted) {
    adjusted.clear();
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
        if (Result applied = ApplySections(root, work); !applied) {
            return applied;
        }
        data = work;
        adjusted = ReadBackDifferences(yaml, DumpConfigYaml(data));
        return Result::Success();
    } catch (const YAML::Exception& e) {
        return Result::Failure(Fill(Msg("Model", "line %1: %2"), e.mark.line + 1, e.msg));
    }
}

}  // namespace ht57
