#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/ChannelRecord.h"
#include "model/Image.h"

namespace ht57 {

struct RadioData;

// A channel whose display differs; the texts of a channel not in use are empty.
struct ChannelChange {
    int channel = 0;
    ChannelTexts before;
    ChannelTexts after;
};

// A named setting of the option, DTMF, radio info or FM view, as the view
// shows it.
struct SettingChange {
    std::string name;
    std::string before;
    std::string after;
};

enum class DataHalf { Header, Image };

// Changed bytes that no displayed difference accounts for: bytes no field
// covers, or changes a field's display does not show (a channel not in use
// on either side, a second way of writing the same value).
struct ByteChange {
    DataHalf half = DataHalf::Image;
    std::size_t offset = 0;
    std::string area;  // what the bytes belong to, "no field" when nothing
    std::vector<Byte> before;
    std::vector<Byte> after;
};

struct DataDifferences {
    std::vector<ChannelChange> channels;
    std::vector<SettingChange> settings;
    std::vector<ByteChange> bytes;

    bool Empty() const { return channels.empty() && settings.empty() && bytes.empty(); }
};

// Header blocks and images compared as stored, with no normalisation; each
// image's channels are shown under the limits of its own band flag. Every
// changed bit turns up in at least one of the three lists.
DataDifferences DiffDataSets(const RadioData& before, const RadioData& after);

// As DiffDataSets, over only what a Write sends: image bytes 0x000 up to
// region::kWriteEnd. The header block and the calibration bytes above are
// left out, so a file read back after a Write compares equal to the one sent.
DataDifferences DiffWrittenRange(const RadioData& before, const RadioData& after);

// The image addresses below region::kWriteEnd where two images differ, as
// runs "0x010-0x01F" or single "0x3C0" addresses, in address order.
std::vector<std::string> WrittenRangeMismatches(const Image& sent, const Image& readBack);

}  // namespace ht57
