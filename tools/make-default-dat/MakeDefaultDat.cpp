// Writes the factory data file default.dat: what New starts from and where
// normalisation takes its default bytes. Everything it holds is spelt out
// here; change a value, rebuild, and the program starts from the new file.

#include <cstdio>
#include <string>

#include "model/Bcd.h"
#include "model/ChannelRecord.h"
#include "model/DataFile.h"
#include "model/RadioData.h"

namespace ht57 {
namespace {

// Settings block bytes (see the option features and DTMF views).
constexpr std::size_t kSquelch = 0xFC2;
constexpr std::size_t kVox = 0xFC3;
constexpr std::size_t kTot = 0xFC4;
constexpr std::size_t kModeBits = 0xFC5;
constexpr std::size_t kScanBits = 0xFC6;
constexpr std::size_t kPriorityChannel = 0xFC8;
constexpr std::size_t kStep = 0xFC9;
constexpr std::size_t kManualBits = 0xFCC;

struct FactoryChannel {
    int number;
    ChannelTexts texts;
};

// A few ready-to-use two-metre channels. Channel 1 also serves as the
// reference record whose busy lock bits ("Off", code 3) normalisation copies.
const FactoryChannel kChannels[] = {
    {1, {"145.50000", "145.50000", "Off", "Off", "Off", "High", "Wide", "CALL"}},
    {2, {"146.52000", "146.52000", "Off", "Off", "Off", "High", "Wide", "SIMP"}},
    {3, {"145.60000", "145.00000", "Off", "88.5", "Off", "High", "Wide", "RPT1"}},
    {4, {"147.00000", "147.60000", "100.0", "100.0", "Carrier", "High", "Wide", "RPT2"}},
    {5, {"146.50000", "146.50000", "D023N", "D023N", "QT/DQT", "Low", "Narrow", "DCS"}},
    {6, {"155.02500", "155.02500", "Off", "Off", "Off", "Low", "Narrow", "LOW"}},
};

void WriteChannels(Image& image) {
    for (const FactoryChannel& channel : kChannels) {
        WriteChannelDefaults(image, channel.number, 0);
        ChannelRecord record = ReadChannel(image, channel.number);
        EncodeChannel(record, channel.texts);
        WriteChannel(image, channel.number, record);
    }
}

// Frequency mode starts on the band's default frequency, simplex, no tones,
// high power, wide.
void WriteFrequencyMode(Image& image) {
    ChannelRecord record;
    record.fill(0xFF);
    WriteBcd32(&record[record::kRxFrequency], kBands[0].defaultFrequency);
    WriteBcd32(&record[record::kOffset], 0);
    record[record::kRxTone] = 0;
    record[record::kTxTone] = 0;
    record[record::kFlags] = record::kDefaultFlags;
    std::copy(record.begin(), record.end(), image.begin() + region::kFreqModeRecord);
}

void WriteSettings(Image& image) {
    WriteBcd16(&image[region::kLowerBandEdge], kBands[0].lower / 10'000);  // 136 MHz x 10
    WriteBcd16(&image[region::kUpperBandEdge], kBands[0].upper / 10'000);  // 174 MHz x 10
    image[kSquelch] = 3;
    image[kVox] = 0;  // Off
    image[kTot] = 0;  // Off
    // Channel work mode, beep on, show frequency, side tone on, battery save on.
    image[kModeBits] = 0x01 | 0x08 | 0x40 | 0x80;
    // PTT ID off, priority scan off, scan mode "TO", back light "Key".
    image[kScanBits] = (1 << 4) | (1 << 6);
    image[kPriorityChannel] = 1;
    image[kStep] = 3;                                         // 12.5 kHz
    image[kManualBits] = 0x08;                                // "Manual" not checked
    image[region::kStatusByte] = region::kReceiveEnableMask;  // VHF, PF3 "Lamp"
}

void WriteDtmf(Image& image) {
    // No DTMF code; first digit delay 500 ms, digit interval and delay 100 ms.
    image[region::kDtmfTimings + 0] = 500 / 50 - 1;
    image[region::kDtmfTimings + 1] = 100 / 25 - 2;
    image[region::kDtmfTimings + 2] = 100 / 25 - 2;
}

// Mid-scale power values until the radio's own are read with Power Adjust.
void WriteCalibration(Image& image) {
    for (std::size_t row = 0; row < 6; ++row) {
        image[region::kCalibration + row] = 125;
    }
    image[region::kCalibration + 6] = 0;  // last adjusted row: LL
}

RadioData FactoryData() {
    RadioData data;  // image all 0xFF (empty), header all zero
    WriteChannels(data.image);
    WriteFrequencyMode(data.image);
    WriteSettings(data.image);
    WriteDtmf(data.image);
    WriteCalibration(data.image);
    return data;
}

}  // namespace
}  // namespace ht57

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    ht57::RadioData data = ht57::FactoryData();
    const ht57::Result result = ht57::WriteDataFile(argv[1], data, ht57::SignatureStamp::Stamp);
    if (!result) {
        std::fprintf(stderr, "%s: %s (%s)\n", argv[0], result.message.c_str(),
                     result.detail.c_str());
        return 1;
    }
    return 0;
}
