// The module's API for the page: every rule about bytes is the model's; this
// file only converts between JavaScript values and the model's types.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "link/LinkOutcome.h"
#include "model/ChannelClipboard.h"
#include "model/ChannelCsv.h"
#include "model/ChannelEdit.h"
#include "model/ChannelListing.h"
#include "model/ChannelRows.h"
#include "model/ChannelTable.h"
#include "model/ConfigYaml.h"
#include "model/DataFile.h"
#include "model/FieldText.h"
#include "model/RadioInfo.h"
#include "model/SettingsFields.h"
#include "web/module/Document.h"
#include "web/module/Transfer.h"

namespace ht57::web {
namespace {

using emscripten::val;

constexpr const char* kDefaultDataPath = "/default.dat";

std::vector<Byte> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<Byte>(array);
}

val ByteArray(std::span<const Byte> bytes) {
    val copy = val::global("Uint8Array").new_(bytes.size());
    copy.call<void>("set", val(emscripten::typed_memory_view(bytes.size(), bytes.data())));
    return copy;
}

val TextArray(const std::vector<std::string>& lines) {
    val array = val::array();
    for (const std::string& line : lines) {
        array.call<void>("push", line);
    }
    return array;
}

std::vector<int> IntsOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<int>(array);
}

val ResultValue(const Result& result) {
    val out = val::object();
    out.set("ok", result.ok);
    out.set("message", result.message);
    out.set("detail", result.detail);
    return out;
}

RadioData& Data() {
    return TheDocument().Data();
}

// The desktop's start and New: the factory file supplies the data, and its
// image is the reference for normalisation.
void StartFromDefault() {
    (void)LoadDefaultData(kDefaultDataPath, Data());
    Data().RecomputeLimits();
    Data().Normalise();
}

val Start(const val& defaultData) {
    const std::vector<Byte> bytes = BytesOf(defaultData);
    {
        std::ofstream file(kDefaultDataPath, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
    const Result reference = LoadReferenceImage(kDefaultDataPath, Data().reference);
    StartFromDefault();
    TheDocument().Reset();
    return ResultValue(reference);
}

void NewDocument() {
    const DataSnapshot before = TakeSnapshot(Data());
    StartFromDefault();
    TheDocument().Record(before);
    // A new document is in no file, so it counts as modified.
}

val OpenData(const val& contents) {
    RadioData loaded = Data();
    if (Result applied = ApplyDataFile(BytesOf(contents), loaded); !applied) {
        return ResultValue(applied);
    }
    Data().header = loaded.header;
    Data().image = loaded.image;
    Data().RecomputeLimits();
    Data().Normalise();
    TheDocument().Reset();
    return ResultValue(Result::Success());
}

// The bytes a save through a file dialog writes; the header block takes the
// signature only once the page says the file is written (SavedAs).
val SaveData() {
    Data().Normalise();
    return ByteArray(DataFileBytes(Data(), SignatureStamp::Stamp));
}

void SavedAs() {
    const auto bytes = DataFileBytes(Data(), SignatureStamp::Stamp);
    std::copy_n(bytes.begin(), kImageSize, Data().header.begin());
    TheDocument().MarkSaved();
}

val ColumnTitles() {
    val titles = val::array();
    for (int column = 1; column <= kChannelColumnCount; ++column) {
        titles.call<void>("push", std::string(ColumnTitle(static_cast<ChannelColumn>(column))));
    }
    return titles;
}

val RowValue(const ChannelTexts& row) {
    val cells = val::array();
    for (const auto& [key, member] : kChannelFieldKeys) {
        cells.call<void>("push", row.*member);
    }
    return cells;
}

val ChannelRows() {
    val rows = val::array();
    for (int channel = 1; channel <= region::kChannelCount; ++channel) {
        rows.call<void>("push", RowValue(DecodeChannelAt(Data().image, channel, Data().limits)));
    }
    return rows;
}

// One finished cell edit, as the grid's in-place editors commit it.
val EditCell(int channel, int columnNumber, const std::string& text) {
    if (channel < 1 || channel > region::kChannelCount || columnNumber < 1 ||
        columnNumber > kChannelColumnCount) {
        return ResultValue(Result::Failure("No such cell"));
    }
    RadioData& data = Data();
    const DataSnapshot before = TakeSnapshot(data);
    ChannelTexts row = DecodeChannelAt(data.image, channel, data.limits);
    const ChannelColumn column = EditColumn(row, static_cast<ChannelColumn>(columnNumber));
    if (column == ChannelColumn::RxFrequency || column == ChannelColumn::TxFrequency) {
        FrequencyCommit commit =
            CommitFrequencyEdit(data.image, data.limits, channel, row, column, text);
        if (!commit.result) {
            TheDocument().Record(before);
            return ResultValue(commit.result);
        }
        row = std::move(commit.row);
    } else if (column == ChannelColumn::Name) {
        std::string name;
        for (char c : text) {
            if (const auto key = NameKey(static_cast<unsigned char>(c)); key && *key != '\b') {
                name += *key;
            }
        }
        ColumnText(row, column) = name;
    } else {
        const auto choice = ChoiceText(column, text);
        if (!choice) {
            return ResultValue(
                Result::Failure("Not a value of " + std::string(ColumnTitle(column))));
        }
        ColumnText(row, column) = column == ChannelColumn::RxTone || column == ChannelColumn::TxTone
                                      ? CommitToneEdit(row, *choice)
                                      : CommitListEdit(row, *choice);
    }
    if (!row.rxFrequency.empty()) {
        EncodeChannelAt(row, data.image, channel);
    }
    TheDocument().Record(before);
    return ResultValue(Result::Success());
}

val Paste(const std::string& text, int channel, int column) {
    PasteReport report;
    Result result = Result::Success();
    TheDocument().Apply([&](RadioData& data) {
        result = PasteChannelText(text, channel, static_cast<ChannelColumn>(column), data.limits,
                                  data.image, report);
    });
    val out = ResultValue(result);
    out.set("stored", report.stored);
    out.set("rows", report.rows);
    out.set("issues", TextArray(report.issues));
    return out;
}

std::string CopyText(const val& channels, const val& columns) {
    std::vector<ChannelColumn> picked;
    for (int column : IntsOf(columns)) {
        picked.push_back(static_cast<ChannelColumn>(column));
    }
    return CopyChannelText(Data().image, Data().limits, IntsOf(channels), picked);
}

val InsertChannel(int channel) {
    Result result = Result::Success();
    TheDocument().Apply(
        [&](RadioData& data) { result = InsertEmptyChannel(data.image, data.limits, channel); });
    return ResultValue(result);
}

void DeleteChannels(const val& channels) {
    TheDocument().Apply(
        [&](RadioData& data) { ht57::DeleteChannels(data.image, IntsOf(channels)); });
}

val MoveChannels(const val& channels, int delta) {
    std::vector<int> moved;
    TheDocument().Apply(
        [&](RadioData& data) { moved = ht57::MoveChannels(data.image, IntsOf(channels), delta); });
    val out = val::array();
    for (int channel : moved) {
        out.call<void>("push", channel);
    }
    return out;
}

const char* KindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::List:
            return "list";
        case FieldKind::Flag:
        case FieldKind::InvertedFlag:
            return "flag";
        default:
            return "text";
    }
}

val SettingsFieldRows() {
    val rows = val::array();
    for (const SettingsField& field : kSettingsFields) {
        val row = val::object();
        row.set("key", std::string(field.key));
        row.set("label", std::string(field.label));
        row.set("kind", std::string(KindName(field.kind)));
        row.set("count", static_cast<int>(field.count));
        val entries = val::array();
        for (std::string_view entry : field.entries) {
            entries.call<void>("push", std::string(entry));
        }
        row.set("entries", entries);
        rows.call<void>("push", row);
    }
    return rows;
}

const SettingsField* Field(const std::string& key) {
    return FindSettingsField(key);
}

std::string SettingText(const std::string& key, int element) {
    const SettingsField* field = Field(key);
    return field ? FieldText(Data().image, *field, static_cast<std::size_t>(element)) : "";
}

int SettingValue(const std::string& key) {
    const SettingsField* field = Field(key);
    if (!field) {
        return kNoSelection;
    }
    if (field->kind == FieldKind::Flag || field->kind == FieldKind::InvertedFlag) {
        return FieldOn(Data().image, *field) ? 1 : 0;
    }
    return FieldValue(Data().image, *field);
}

bool SetSetting(const std::string& key, int value) {
    const SettingsField* field = Field(key);
    if (!field || (field->kind == FieldKind::List && !field->ValueValid(value))) {
        return false;
    }
    return TheDocument().Apply([&](RadioData& data) {
        if (field->kind == FieldKind::List) {
            SetFieldValue(data.image, *field, value);
        } else if (field->kind == FieldKind::Flag || field->kind == FieldKind::InvertedFlag) {
            SetFieldOn(data.image, *field, value != 0);
        }
        if (field->key == field::kBand.key) {
            data.RecomputeLimits();
        }
        data.Normalise();
    });
}

// A text field's edit, stored as `ht57-cli apply` stores that one value; a
// refusal changes nothing, a value stored otherwise says how in `message`.
val SetSettingText(const std::string& key, int element, const std::string& text) {
    Result result = Result::Success();
    std::vector<std::string> adjusted;
    TheDocument().Apply([&](RadioData& data) {
        result = ApplySettingText(key, static_cast<std::size_t>(std::max(element, 0)), text, data,
                                  adjusted);
    });
    val out = ResultValue(result);
    std::string said;
    for (const std::string& line : adjusted) {
        said += (said.empty() ? "" : "\n") + line;
    }
    if (result) {
        out.set("message", said);
    }
    out.set("stored", SettingText(key, element));
    return out;
}

val ImportCsv(const std::string& text, bool replaceAll) {
    ChannelImportReport report;
    Result result = Result::Success();
    TheDocument().Apply([&](RadioData& data) {
        result = ImportChannelCsv(text,
                                  replaceAll ? ImportScope::ReplaceAll : ImportScope::NamedChannels,
                                  data.limits, data.image, report);
    });
    val out = ResultValue(result);
    out.set("lines", TextArray(result ? ImportReportLines(report) : std::vector<std::string>{}));
    return out;
}

std::string ExportCsv() {
    return ExportChannelCsv(Data().image, Data().limits);
}

val Listing() {
    return TextArray(BuildChannelListing(Data().image, Data().limits));
}

std::string LimitsText() {
    return FrequencyLimitsText(Data().limits);
}

val ImageBytes() {
    return ByteArray(Data().image);
}

val TransferEnding() {
    const TransferEnd& end = LastTransferEnd();
    val out = val::object();
    out.set("text", end.text);
    out.set("detail", end.detail);
    out.set("shown", end.shown);
    return out;
}

}  // namespace
}  // namespace ht57::web

EMSCRIPTEN_BINDINGS(ht57) {
    using namespace ht57::web;
    emscripten::function("start", &Start);
    emscripten::function("newDocument", &NewDocument);
    emscripten::function("openData", &OpenData);
    emscripten::function("saveData", &SaveData);
    emscripten::function("savedAs", &SavedAs);
    emscripten::function("columnTitles", &ColumnTitles);
    emscripten::function("channelRows", &ChannelRows);
    emscripten::function("editCell", &EditCell);
    emscripten::function("paste", &Paste);
    emscripten::function("copyText", &CopyText);
    emscripten::function("insertChannel", &InsertChannel);
    emscripten::function("deleteChannels", &DeleteChannels);
    emscripten::function("moveChannels", &MoveChannels);
    emscripten::function(
        "undo", +[] { return TheDocument().Undo(); });
    emscripten::function(
        "redo", +[] { return TheDocument().Redo(); });
    emscripten::function(
        "canUndo", +[] { return TheDocument().CanUndo(); });
    emscripten::function(
        "canRedo", +[] { return TheDocument().CanRedo(); });
    emscripten::function(
        "modified", +[] { return TheDocument().Modified(); });
    emscripten::function("settingsFields", &SettingsFieldRows);
    emscripten::function("settingText", &SettingText);
    emscripten::function("settingValue", &SettingValue);
    emscripten::function("setSetting", &SetSetting);
    emscripten::function("setSettingText", &SetSettingText);
    emscripten::function("importCsv", &ImportCsv);
    emscripten::function("exportCsv", &ExportCsv);
    emscripten::function("listing", &Listing);
    emscripten::function("limitsText", &LimitsText);
    emscripten::function("imageBytes", &ImageBytes);
    emscripten::function("transferEnd", &TransferEnding);
}

int main() {
    return 0;
}
