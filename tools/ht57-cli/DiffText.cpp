#include "DiffText.h"

#include <array>
#include <cstdio>

namespace ht57::cli {
namespace {

struct Column {
    const char* title;
    std::string ChannelTexts::*text;
};

// The channel grid's column titles.
constexpr std::array<Column, 8> kColumns{{
    {"Rx Freq", &ChannelTexts::rxFrequency},
    {"Tx Freq", &ChannelTexts::txFrequency},
    {"Rx Tone", &ChannelTexts::rxTone},
    {"Tx Tone", &ChannelTexts::txTone},
    {"Busy Lock", &ChannelTexts::busyLock},
    {"Power", &ChannelTexts::power},
    {"Bandwidth", &ChannelTexts::bandwidth},
    {"Name", &ChannelTexts::name},
}};

std::string Shown(const Column& column, const ChannelTexts& texts) {
    const std::string& text = texts.*column.text;
    return column.text == &ChannelTexts::name ? "\"" + text + "\"" : text;
}

std::string AllColumns(const ChannelTexts& texts) {
    std::string line;
    for (const Column& column : kColumns) {
        line += (line.empty() ? "" : ", ") + std::string(column.title) + " " + Shown(column, texts);
    }
    return line;
}

std::string ChannelLine(const ChannelChange& change) {
    const std::string head = "channel " + std::to_string(change.channel) + ": ";
    if (change.before.rxFrequency.empty()) {
        return head + "added: " + AllColumns(change.after);
    }
    if (change.after.rxFrequency.empty()) {
        return head + "removed (was " + AllColumns(change.before) + ")";
    }
    std::string line;
    for (const Column& column : kColumns) {
        if (change.before.*column.text != change.after.*column.text) {
            line += (line.empty() ? "" : "; ") + std::string(column.title) + " " +
                    Shown(column, change.before) + " -> " + Shown(column, change.after);
        }
    }
    return head + line;
}

std::string Hex(const std::vector<Byte>& bytes) {
    std::string text;
    for (const Byte b : bytes) {
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        text += (text.empty() ? "" : " ") + std::string(buffer);
    }
    return text;
}

std::string ByteLine(const ByteChange& change) {
    char offset[16];
    std::snprintf(offset, sizeof offset, "0x%03zX", change.offset);
    return std::string(change.half == DataHalf::Header ? "header " : "image ") + offset + " (" +
           change.area + "): " + Hex(change.before) + " -> " + Hex(change.after);
}

}  // namespace

std::vector<std::string> DiffLines(const DataDifferences& differences) {
    std::vector<std::string> lines;
    for (const ChannelChange& change : differences.channels) {
        lines.push_back(ChannelLine(change));
    }
    for (const SettingChange& change : differences.settings) {
        lines.push_back(change.name + ": " + change.before + " -> " + change.after);
    }
    for (const ByteChange& change : differences.bytes) {
        lines.push_back(ByteLine(change));
    }
    return lines;
}

}  // namespace ht57::cli
