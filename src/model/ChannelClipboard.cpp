#include "model/ChannelClipboard.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/ChannelCsv.h"
#include "model/ChannelEdit.h"
#include "model/ChannelRows.h"
#include "model/Frequency.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

// Grid columns in the order headerless text fills them: as the grid shows
// them, then the hidden Busy Lock.
constexpr std::array<ChannelColumn, kChannelColumnCount> kPasteOrder{
    ChannelColumn::RxFrequency, ChannelColumn::TxFrequency, ChannelColumn::RxTone,
    ChannelColumn::TxTone,      ChannelColumn::Power,       ChannelColumn::Bandwidth,
    ChannelColumn::Name,        ChannelColumn::BusyLock};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameTitle(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Upper(x) == Upper(y); });
}

// A spreadsheet quotes a cell holding a tab, a quote or a line break.
std::string Unquoted(std::string_view field) {
    if (field.size() < 2 || field.front() != '"' || field.back() != '"') {
        return std::string(field);
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && field[i + 1] == '"') {
            ++i;
        }
    }
    return text;
}

// Digits past the fifth decimal of MHz (10 Hz) that are not zero.
bool FinerThan10Hz(std::string_view mhz) {
    const std::size_t point = mhz.find('.');
    return point != std::string_view::npos && mhz.size() > point + 6 &&
           mhz.find_first_not_of('0', point + 6) != std::string_view::npos;
}

// The fields of each line.
using Lines = std::vector<std::vector<std::string>>;

Lines SplitLines(std::string_view text) {
    Lines lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab = line.find('\t');; tab = line.find('\t', start)) {
            fields.push_back(Unquoted(line.substr(start, tab - start)));
            if (tab == std::string_view::npos) {
                break;
            }
            start = tab + 1;
        }
        lines.push_back(std::move(fields));
    }
    while (!lines.empty() && lines.back().size() == 1 && Trim(lines.back()[0]).empty()) {
        lines.pop_back();
    }
    return lines;
}

std::optional<ChannelColumn> TitledColumn(std::string_view title) {
    for (const ChannelColumn column : kPasteOrder) {
        if (SameTitle(Trim(title), ColumnTitle(column))) {
            return column;
        }
    }
    return std::nullopt;
}

// Each field's column, or nullopt for a field that goes nowhere.
using Placement = std::vector<std::optional<ChannelColumn>>;

bool HoldsValue(const std::vector<std::string>& fields, std::size_t position) {
    return position < fields.size() && !Trim(fields[position]).empty();
}

// Every field of a header line must name a grid column once, or be the
// channel number, or be an empty title over empty cells: a value whose
// column cannot be told is refused rather than dropped or guessed.
Result CheckHeader(const Lines& lines, const Placement& placement) {
    const std::vector<std::string>& header = lines.front();
    for (std::size_t f = 0; f < header.size(); ++f) {
        const std::string_view title = Trim(header[f]);
        if (placement[f]) {
            if (std::find(placement.begin(), placement.begin() + static_cast<std::ptrdiff_t>(f),
                          placement[f]) != placement.begin() + static_cast<std::ptrdiff_t>(f)) {
                return Result::Failure(
                    Fill(Msg("Model",
                             "The pasted header names the column \"%1\" twice; nothing was "
                             "pasted."),
                         title));
            }
            continue;
        }
        const bool anyValue = std::any_of(lines.begin() + 1, lines.end(), [&](const auto& fields) {
            return HoldsValue(fields, f);
        });
        if (SameTitle(title, kChannelNumberTitle) || (title.empty() && !anyValue)) {
            continue;
        }
        return Result::Failure(
            Fill(Msg("Model",
                     "The pasted header's column %1 (\"%2\") is not a column of the grid; "
                     "nothing was pasted."),
                 f + 1, title));
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        for (std::size_t f = header.size(); f < lines[i].size(); ++f) {
            if (HoldsValue(lines[i], f)) {
                return Result::Failure(
                    Fill(Msg("Model",
                             "Line %1 of the pasted text has values past its header's last column; "
                             "nothing was pasted."),
                         i + 1));
            }
        }
    }
    return Result::Success();
}

// Headerless lines fill the columns from `start` on; a line with more values
// than there are columns is refused rather than cut.
Result CheckWidth(const Lines& lines, ChannelColumn start) {
    const auto first = std::find(kPasteOrder.begin(), kPasteOrder.end(), start);
    const auto room = static_cast<std::size_t>(kPasteOrder.end() - first);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t f = room; f < lines[i].size(); ++f) {
            if (HoldsValue(lines[i], f)) {
                return Result::Failure(
                    Fill(Msg("Model",
                             "Line %1 of the pasted text has %2 values, but from %3 on the grid "
                             "has %4 columns; nothing was pasted."),
                         i + 1, lines[i].size(), ColumnTitle(start), room));
            }
        }
    }
    return Result::Success();
}

std::optional<Placement> HeaderPlacement(const std::vector<std::string>& first) {
    Placement placement;
    bool any = false;
    for (const std::string& field : first) {
        placement.push_back(TitledColumn(field));
        any = any || placement.back().has_value();
    }
    return any ? std::optional(placement) : std::nullopt;
}

Placement PositionalPlacement(ChannelColumn start, std::size_t fields) {
    const auto first = std::find(kPasteOrder.begin(), kPasteOrder.end(), start);
    Placement placement;
    for (auto it = first; it != kPasteOrder.end() && placement.size() < fields; ++it) {
        placement.push_back(*it);
    }
    return placement;
}

// One pasted line being stored into one channel.
class LinePaste {
public:
    LinePaste(int channel, const FrequencyLimits& limits, std::vector<std::string>& issues)
        : channel_(channel), limits_(limits), issues_(issues) {}

    // False when nothing of the line could be stored.
    bool Store(const std::vector<std::pair<ChannelColumn, std::string>>& values, Image& image) {
        ChannelRecord record = ReadChannel(image, channel_);
        ChannelTexts texts = DecodeChannel(record, limits_);
        const auto rx = std::find_if(values.begin(), values.end(), [](const auto& value) {
            return value.first == ChannelColumn::RxFrequency;
        });
        if (rx != values.end()) {
            if (Trim(rx->second).empty()) {
                WriteChannel(image, channel_, DefaultChannelRecord(std::nullopt));
                return true;
            }
            const std::optional<std::uint32_t> f =
                Frequency(ChannelColumn::RxFrequency, rx->second);
            if (f && texts.rxFrequency.empty()) {
                record = DefaultChannelRecord(*f);
                texts = DecodeChannel(record, limits_);
            } else if (f) {
                texts.rxFrequency = FormatFrequency(*f);
            }
        }
        if (texts.rxFrequency.empty()) {
            if (rx == values.end()) {
                Issue(Fill(Msg("Model",
                               "the channel is empty: it starts with an Rx Freq; nothing stored")));
            }
            return false;
        }
        for (const auto& [column, text] : values) {
            Take(column, text, texts);
        }
        const std::uint32_t wantedTx = ParseFrequency(texts.txFrequency);
        EncodeChannel(record, texts);
        if (RecordTxFrequency(record) != wantedTx) {
            Issue(Fill(Msg("Model", "Tx Freq %1 cannot be stored with Rx Freq %2: stored as %3"),
                       texts.txFrequency, texts.rxFrequency,
                       FormatFrequency(RecordTxFrequency(record))));
        }
        WriteChannel(image, channel_, record);
        return true;
    }

private:
    void Issue(const std::string& text) {
        issues_.push_back(Fill(Msg("Model", "channel %1: %2"), channel_, text));
    }

    std::optional<std::uint32_t> Frequency(ChannelColumn column, std::string_view text) {
        const std::string_view value = Trim(text);
        const bool number =
            !value.empty() && value.find_first_not_of("0123456789.") == std::string_view::npos;
        const std::uint32_t f = number ? ParseFrequency(value) : 0;
        if (f == 0) {
            Issue(Fill(Msg("Model", "%1 \"%2\" is not a frequency in MHz; not stored"),
                       ColumnTitle(column), text));
            return std::nullopt;
        }
        if (f < limits_.lower || f > limits_.upper) {
            Issue(Fill(Msg("Model", "%1 \"%2\" is outside the band %3 to %4 MHz; not stored"),
                       ColumnTitle(column), text, FormatFrequency(limits_.lower),
                       FormatFrequency(limits_.upper)));
            return std::nullopt;
        }
        const std::uint32_t snapped = SnapFrequency(f);
        if (snapped != f || FinerThan10Hz(value)) {
            Issue(Fill(Msg("Model", "%1 \"%2\" is off the channel raster: stored as %3"),
                       ColumnTitle(column), value, FormatFrequency(snapped)));
        }
        return snapped;
    }

    void Take(ChannelColumn column, const std::string& text, ChannelTexts& texts) {
        switch (column) {
            case ChannelColumn::RxFrequency:
                return;
            case ChannelColumn::TxFrequency:
                if (Trim(text).empty()) {
                    texts.txFrequency = texts.rxFrequency;
                } else if (const auto f = Frequency(column, text)) {
                    texts.txFrequency = FormatFrequency(*f);
                }
                return;
            case ChannelColumn::Name:
                TakeName(text, texts);
                return;
            default:
                break;
        }
        if (Trim(text).empty()) {
            return;
        }
        if (const auto choice = ChoiceText(column, Trim(text))) {
            ColumnText(texts, column) = *choice;
        } else {
            Issue(Fill(Msg("Model", "%1 \"%2\" is not a value of the column; not stored"),
                       ColumnTitle(column), text));
        }
    }

    void TakeName(std::string_view text, ChannelTexts& texts) {
        std::string name;
        for (const char c : text) {
            if (kNameAlphabet.find(Upper(c)) != std::string_view::npos) {
                name += Upper(c);
            }
        }
        const bool dropped = name.size() != text.size();
        name.resize(std::min(name.size(), record::kNameLength));
        if (dropped || name.size() != text.size()) {
            Issue(Fill(Msg("Model", "Name \"%1\" stored as \"%2\""), text, name));
        }
        texts.name = std::move(name);
    }

    int channel_;
    const FrequencyLimits& limits_;
    std::vector<std::string>& issues_;
};

// The separator of text that is a channel list: comma-separated text, or
// tab-separated text (a spreadsheet's copy) whose first line names a
// channel list's Location or Frequency column, which no grid title is.
std::optional<char> ChannelListSeparator(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    if (first.find('\t') == std::string_view::npos) {
        return first.find(',') != std::string_view::npos ? std::optional(',') : std::nullopt;
    }
    const ChannelListHeader header = ReadChannelListHeader(text, '\t');
    return header.frequency || header.location ? std::optional('\t') : std::nullopt;
}

// A channel list is imported as the file would be, its report included:
// rows go to their Location, or without one in order from `channel`.
Result PasteChannelList(std::string_view text, char separator, int channel,
                        const FrequencyLimits& limits, Image& image, PasteReport& report) {
    ImportOptions options{.separator = separator};
    if (!ReadChannelListHeader(text, separator).location) {
        options.placement = {.inOrder = true, .firstChannel = channel};
    }
    ChannelImportReport imported;
    const Result result = ImportChannelCsv(text, options, limits, image, imported);
    report.rows = imported.rows;
    report.stored = imported.imported;
    if (imported.rows > 0 && (!result || !imported.issues.empty() || !imported.notes.empty())) {
        report.issues = ImportReportLines(imported);
    }
    if (result && options.placement.inOrder) {
        report.firstChannel = channel;
        report.lastChannel = channel + imported.imported - 1;
    }
    return result;
}

}  // namespace

std::string CopyChannelText(const Image& image, const FrequencyLimits& limits,
                            const std::vector<int>& channels,
                            const std::vector<ChannelColumn>& columns) {
    std::string text(kChannelNumberTitle);
    for (const ChannelColumn column : columns) {
        text += '\t';
        text += ColumnTitle(column);
    }
    text += '\n';
    for (const int n : ValidChannels(channels)) {
        const ChannelTexts texts = DecodeChannelAt(image, n, limits);
        text += std::to_string(n);
        for (const ChannelColumn column : columns) {
            text += '\t';
            text += ColumnText(texts, column);
        }
        text += '\n';
    }
    return text;
}

Result PasteChannelText(std::string_view text, int channel, ChannelColumn column,
                        const FrequencyLimits& limits, Image& image, PasteReport& report) {
    report = {};
    if (const std::optional<char> separator = ChannelListSeparator(text)) {
        return PasteChannelList(text, *separator, channel, limits, image, report);
    }
    const auto lines = SplitLines(text);
    const std::optional<Placement> header =
        lines.empty() ? std::nullopt : HeaderPlacement(lines.front());
    const std::size_t firstData = header ? 1 : 0;
    if (lines.size() <= firstData) {
        return Result::Failure(
            Fill(Msg("Model", "The clipboard holds no channel values to paste.")));
    }
    if (Result columns = header ? CheckHeader(lines, *header) : CheckWidth(lines, column);
        !columns) {
        return columns;
    }
    Image work = image;
    for (std::size_t i = firstData; i < lines.size(); ++i) {
        const std::vector<std::string>& fields = lines[i];
        ++report.rows;
        const int target = channel + static_cast<int>(i - firstData);
        if (target > region::kChannelCount) {
            report.issues.push_back(
                Fill(Msg("Model", "line %1: there is no channel %2; not stored"), i + 1, target));
            continue;
        }
        const Placement placement = header ? *header : PositionalPlacement(column, fields.size());
        std::vector<std::pair<ChannelColumn, std::string>> values;
        for (std::size_t f = 0; f < std::min(fields.size(), placement.size()); ++f) {
            if (placement[f]) {
                values.emplace_back(*placement[f], fields[f]);
            }
        }
        if (values.empty()) {
            continue;
        }
        if (LinePaste(target, limits, report.issues).Store(values, work)) {
            ++report.stored;
            report.firstChannel = report.firstChannel == 0 ? target : report.firstChannel;
            report.lastChannel = target;
        }
    }
    image = work;
    return Result::Success();
}

void ClearChannelCells(Image& image, const FrequencyLimits& limits,
                       const std::vector<int>& channels,
                       const std::vector<ChannelColumn>& columns) {
    for (const int n : ValidChannels(channels)) {
        ChannelRecord record = ReadChannel(image, n);
        ChannelTexts texts = DecodeChannel(record, limits);
        if (texts.rxFrequency.empty()) {
            continue;
        }
        if (std::find(columns.begin(), columns.end(), ChannelColumn::RxFrequency) !=
            columns.end()) {
            WriteChannel(image, n, DefaultChannelRecord(std::nullopt));
            continue;
        }
        const ChannelTexts fresh =
            DecodeChannel(DefaultChannelRecord(ParseFrequency(texts.rxFrequency)), limits);
        for (const ChannelColumn column : columns) {
            ColumnText(texts, column) = ColumnText(fresh, column);
        }
        EncodeChannel(record, texts);
        WriteChannel(image, n, record);
    }
}

}  // namespace ht57
