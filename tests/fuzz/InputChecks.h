#pragma once

// Properties that must hold for any input, shared by the libFuzzer targets and
// the seeded random-input test. Each check returns an empty string when all is
// well, otherwise what went wrong.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelCsv.h"
#include "model/ChannelRecord.h"
#include "model/ConfigYaml.h"
#include "model/DataFile.h"
#include "model/Frequency.h"
#include "model/Normalise.h"
#include "model/ProfileText.h"
#include "model/Tones.h"

namespace ht57::checks {

inline std::string_view AsText(std::span<const Byte> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

inline std::string CheckDataFile(std::span<const Byte> input) {
    RadioData data;
    data.image.fill(0xA5);
    data.header.fill(0x5A);
    const RadioData before = data;
    const Result result = ApplyDataFile(input, data);
    const bool whole = input.size() >= kDataFileSize &&
                       std::equal(kFileSignature.begin(),
                                  kFileSignature.begin() + kCheckedSignatureLength, input.begin());
    if (result.ok != whole) {
        return "accepted a short or unsigned file or refused a whole signed one";
    }
    if (!result) {
        return data.image == before.image && data.header == before.header
                   ? ""
                   : "a refused file changed the data";
    }
    for (std::size_t i = 0; i < kImageSize; ++i) {
        if (data.header[i] != (i < input.size() ? input[i] : 0)) {
            return "header byte " + std::to_string(i) + " not from the file";
        }
        const std::size_t at = kImageSize + i;
        if (data.image[i] != (at < input.size() ? input[at] : 0xA5)) {
            return "image byte " + std::to_string(i) + " wrong";
        }
    }
    // What a save writes opens again as the same data.
    for (SignatureStamp stamp : {SignatureStamp::Keep, SignatureStamp::Stamp}) {
        const auto bytes = DataFileBytes(data, stamp);
        RadioData again;
        if (!ApplyDataFile(bytes, again) || again.image != data.image) {
            return "a saved file does not open as saved";
        }
        if (!std::equal(again.header.begin() + 16, again.header.end(), data.header.begin() + 16)) {
            return "header bytes 16 to 4095 did not travel";
        }
    }
    return {};
}

inline std::vector<std::string_view> SplitFields(std::string_view text, char separator,
                                                 std::size_t count) {
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < count) {
        const std::size_t at = text.find(separator);
        if (at == std::string_view::npos) {
            break;
        }
        fields.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    fields.push_back(text);
    fields.resize(count);
    return fields;
}

inline std::string Folded(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\v\f");
    const std::size_t last = text.find_last_not_of(" \t\r\v\f");
    std::string folded(first == std::string_view::npos ? "" : text.substr(first, last - first + 1));
    for (char& c : folded) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return folded;
}

// Input: file contents, then optionally section, key and value, separated by 0x1F.
inline std::string CheckProfileText(std::string_view input) {
    const auto fields = SplitFields(input, '\x1f', 4);
    const std::string_view contents = fields[0];
    const std::string_view section = fields[1].empty() ? "Setup" : fields[1];
    const std::string_view key = fields[2].empty() ? "COM" : fields[2];
    const std::string_view value = fields[3].empty() ? "COM3" : fields[3];

    if (ProfileString(contents, section, key, std::string(300, 'd')).size() > kProfileValueLimit) {
        return "value longer than the limit";
    }
    const auto updated = SetProfileValue(contents, section, key, value);
    if (!updated) {
        return IsWritableProfileEntry(section, key, value) ? "writable entry refused" : "";
    }
    const auto fresh = SetProfileValue("", section, key, value);
    if (!fresh ||
        FindProfileValue(*updated, section, key) != FindProfileValue(*fresh, section, key)) {
        return "written value does not read back";
    }
    for (auto [probeSection, probeKey] :
         {std::pair{"About", "Model"}, std::pair{"Setup", "Model"}}) {
        if (Folded(probeSection) == Folded(section) && Folded(probeKey) == Folded(key)) {
            continue;
        }
        if (FindProfileValue(*updated, probeSection, probeKey) !=
            FindProfileValue(contents, probeSection, probeKey)) {
            return std::string("writing changed ") + probeSection + "/" + probeKey;
        }
    }
    return {};
}

inline bool IsOneOf(std::string_view text, std::span<const char* const> list) {
    return std::any_of(list.begin(), list.end(), [&](const char* item) { return text == item; });
}

// Input: a radio image, a reference image, then eight channel texts separated
// by newlines; the first byte also picks the band.
inline std::string CheckChannels(std::span<const Byte> input) {
    Image image;
    image.fill(0xFF);
    Image reference{};
    const std::size_t imageBytes = std::min(input.size(), kImageSize);
    std::copy_n(input.begin(), imageBytes, image.begin());
    input = input.subspan(imageBytes);
    const std::size_t referenceBytes = std::min(input.size(), kImageSize);
    std::copy_n(input.begin(), referenceBytes, reference.begin());
    const auto fields = SplitFields(AsText(input.subspan(referenceBytes)), '\n', 8);
    const ChannelTexts texts{std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                             std::string(fields[3]), std::string(fields[4]), std::string(fields[5]),
                             std::string(fields[6]), std::string(fields[7])};
    const FrequencyLimits limits = LimitsForBand(image[0] & 1);

    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord record = ReadChannel(image, n);
        const ChannelTexts shown = DecodeChannel(record, limits);
        if (!IsChannelInUse(record, limits)) {
            if (shown != ChannelTexts{}) {
                return "an unused channel shows texts";
            }
            continue;
        }
        if (shown.rxFrequency.empty() || !IsOneOf(shown.power, kPowerTexts) ||
            !IsOneOf(shown.bandwidth, kBandwidthTexts) ||
            !IsOneOf(shown.busyLock, kBusyLockTexts) ||
            FindTone(shown.rxTone) != RecordRxToneIndex(record)) {
            return "channel " + std::to_string(n) + " shows an impossible text";
        }
        // Storing what is shown and showing it again gives the same texts,
        // except the transmit frequency, which is rebuilt from a snapped offset.
        ChannelRecord stored = record;
        EncodeChannel(stored, shown);
        ChannelTexts again = DecodeChannel(stored, limits);
        again.txFrequency = shown.txFrequency;
        if (again != shown) {
            return "channel " + std::to_string(n) + " changes when stored as shown";
        }
    }

    ChannelRecord record = ReadChannel(image, 1);
    EncodeChannel(record, texts);
    if (RecordRxFrequency(record) != ParseFrequency(texts.rxFrequency) % 100'000'000u) {
        return "receive frequency not stored as typed";
    }
    if (RecordDirection(record) == ShiftDirection::OffsetIsTx) {
        return "shift direction 3 written";
    }
    if (RecordRxToneIndex(record) != FindTone(texts.rxTone) ||
        RecordTxToneIndex(record) != FindTone(texts.txTone)) {
        return "tone not stored as picked";
    }
    std::string name;
    for (char c : texts.name.substr(0, record::kNameLength)) {
        if (kNameAlphabet.find(c) == std::string_view::npos) {
            break;
        }
        name += c;
    }
    if (RecordName(record) != name) {
        return "name not stored as typed";
    }

    NormaliseImage(image, reference, limits);
    for (int n = 1; n <= region::kChannelCount; ++n) {
        const ChannelRecord normal = ReadChannel(image, n);
        if (!IsChannelInUse(normal, limits) &&
            std::any_of(normal.begin(), normal.end(), [](Byte b) { return b != 0xFF; })) {
            return "unused channel " + std::to_string(n) + " not erased";
        }
    }
    const Image once = image;
    NormaliseImage(image, reference, limits);
    return image == once ? "" : "normalising twice changes the image";
}

inline std::string CheckToneText(std::string_view input) {
    std::string once(input);
    NormaliseToneText(once);
    if (!input.empty() && once.empty()) {
        return "tone text lost";
    }
    std::string twice = once;
    NormaliseToneText(twice);
    return twice == once ? "" : "normalising a tone text twice changes it";
}

// Input: one byte picking band, scope, placement and whether unknown columns
// are ignored, then a channel CSV. A failed import changes nothing, every
// skipped row is reported, an ignored column is named and changes nothing
// else, and what the import leaves exports into a file that imports again
// with an empty report.
inline std::string CheckChannelCsvImport(std::span<const Byte> input) {
    if (input.empty()) {
        return {};
    }
    const Byte pick = input[0];
    const FrequencyLimits limits = (pick & 1) ? FrequencyLimits{40'000'000, 47'000'000}
                                              : FrequencyLimits{13'600'000, 17'400'000};
    ImportOptions options;
    options.scope = (pick & 2) ? ImportScope::ReplaceAll : ImportScope::NamedChannels;
    options.placement.inOrder = (pick & 4) != 0;
    options.placement.fillFree = (pick & 8) != 0;
    options.distinctNames = (pick & 16) != 0;
    options.ignoreUnknownColumns = (pick & 32) != 0;
    options.placement.firstChannel = 1 + (pick >> 6) * 36;

    Image image;
    image.fill(0xFF);
    WriteChannelDefaults(image, 2, limits.lower);
    WriteChannelDefaults(image, 100, limits.upper);
    const Image before = image;
    ChannelImportReport report;
    const std::string_view csv = AsText(input.subspan(1));
    const bool imported = ImportChannelCsv(csv, options, limits, image, report).ok;
    if (!imported && image != before) {
        return "a failed import changed the image";
    }
    ImportOptions other = options;
    other.ignoreUnknownColumns = !options.ignoreUnknownColumns;
    Image otherImage = before;
    ChannelImportReport otherReport;
    const bool otherImported = ImportChannelCsv(csv, other, limits, otherImage, otherReport).ok;
    const bool ignoring = options.ignoreUnknownColumns;
    const ChannelImportReport& strict = ignoring ? otherReport : report;
    const ChannelImportReport& lenient = ignoring ? report : otherReport;
    if ((ignoring ? otherImported : imported) &&
        ((ignoring ? !imported : !otherImported) || image != otherImage ||
         ImportReportLines(strict) != ImportReportLines(lenient))) {
        return "ignoring unknown columns changed a file that has none";
    }
    if (!imported) {
        return {};
    }
    const auto skipped = std::count_if(
        report.issues.begin(), report.issues.end(),
        [](const ImportIssue& issue) { return issue.skipped && !issue.reasons.empty(); });
    if (skipped != report.skipped || report.rows != report.imported + report.skipped) {
        return "a skipped row went unreported";
    }
    const std::string exported = ExportChannelCsv(image, limits);
    Image again;
    again.fill(0xFF);
    ChannelImportReport second;
    const Result reimported = ImportChannelCsv(exported, ImportOptions{}, limits, again, second);
    const bool anyInUse = exported.find('\n') + 1 < exported.size();
    if (anyInUse && (!reimported || second.skipped != 0)) {
        return "our own export did not import whole";
    }
    if (anyInUse && ImportReportLines(second).size() != 1) {
        return "our own export imported with a note";
    }
    if (anyInUse && ExportChannelCsv(again, limits) != exported) {
        return "our own export imported as something else";
    }
    return {};
}

// Input: one byte picking the band, then YAML text applied onto an image
// with channels. A refused text changes nothing. A stored one means one
// thing: applied again it changes nothing and reports the same values. Each
// value reported as stored otherwise names a line of the text, and the dump
// of what was stored applies onto it unchanged and unreported.
inline std::string CheckConfigApply(std::span<const Byte> input) {
    if (input.empty()) {
        return {};
    }
    RadioData data;
    if (input[0] & 1) {
        data.image[region::kStatusByte] &= static_cast<Byte>(~region::kBandFlagMask);
    }
    data.RecomputeLimits();
    for (int n = 1; n <= region::kChannelCount; n += 1 + input[0] % 7) {
        WriteChannelDefaults(data.image, n, data.limits.lower + 2'500u * static_cast<unsigned>(n));
    }
    data.Normalise();
    const RadioData before = data;
    const std::string_view yaml = AsText(input.subspan(1));
    std::vector<std::string> adjusted;
    if (!ApplyConfigYaml(yaml, data, adjusted)) {
        return data.image == before.image && data.header == before.header
                   ? ""
                   : "a refused text changed the data";
    }
    const auto lines = static_cast<std::size_t>(std::count(yaml.begin(), yaml.end(), '\n')) + 1;
    for (const std::string& line : adjusted) {
        const std::size_t number = line.starts_with("line ") ? std::stoul(line.substr(5)) : 0;
        if (number < 1 || number > lines) {
            return "a value reported against no line of the text: " + line;
        }
    }
    RadioData again = data;
    std::vector<std::string> adjustedAgain;
    if (!ApplyConfigYaml(yaml, again, adjustedAgain) || again.image != data.image ||
        adjustedAgain != adjusted) {
        return "a stored text means something else applied again";
    }
    std::vector<std::string> dumpAdjusted;
    if (!ApplyConfigYaml(DumpConfigYaml(data), again, dumpAdjusted) || again.image != data.image ||
        !dumpAdjusted.empty()) {
        return "the dump of what was stored does not apply onto it unchanged";
    }
    return {};
}

}  // namespace ht57::checks
