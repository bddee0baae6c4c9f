#include "model/ChannelRecords.h"

#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "model/ChannelRecord.h"
#include "model/ChannelTable.h"
#include "model/CsvText.h"

namespace ht57 {
namespace {

template <typename Visit>
void ForEachChannelInUse(const Image& image, const FrequencyLimits& limits, Visit visit) {
    for (int channel = 1; channel <= region::kChannelCount; ++channel) {
        const ChannelRecord record = ReadChannel(image, channel);
        if (IsChannelInUse(record, limits)) {
            visit(channel, DecodeChannel(record, limits));
        }
    }
}

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

}  // namespace

std::string ChannelRecordsCsv(const Image& image, const FrequencyLimits& limits) {
    std::vector<std::string> header{"channel"};
    for (const auto& [name, member] : kChannelFieldKeys) {
        header.emplace_back(name);
    }
    std::string text = CsvLine(header);
    ForEachChannelInUse(image, limits, [&](int channel, const ChannelTexts& texts) {
        std::vector<std::string> row{std::to_string(channel)};
        for (const auto& [name, member] : kChannelFieldKeys) {
            row.push_back(texts.*member);
        }
        text += CsvLine(row);
    });
    return text;
}

std::string ChannelRecordsJson(const Image& image, const FrequencyLimits& limits) {
    std::string text = "[";
    const char* separator = "\n";
    ForEachChannelInUse(image, limits, [&](int channel, const ChannelTexts& texts) {
        text += separator;
        text += "  {\"channel\": " + std::to_string(channel);
        for (const auto& [name, member] : kChannelFieldKeys) {
            text += ", " + JsonString(name) + ": " + JsonString(texts.*member);
        }
        text += "}";
        separator = ",\n";
    });
    return text + "\n]\n";
}

}  // namespace ht57
