#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "TempFolder.h"
#include "model/Bcd.h"
#include "model/ChannelTable.h"
#include "model/ConfigYaml.h"
#include "model/DataFile.h"
#include "model/SettingsFields.h"

namespace ht57 {
namespace {

RadioData Factory() {
    RadioData data;
    const std::string file =
        testing::ReadBytes(std::filesystem::path(HT57_BIN_DIR) / kDefaultDataFileName);
    EXPECT_TRUE(ApplyDataFile({reinterpret_cast<const Byte*>(file.data()), file.size()}, data));
    data.reference = data.image;
    data.RecomputeLimits();
    return data;
}

// A random image as the program holds it once opened: channels in use on
// either band, every other byte random, then normalised.
RadioData RandomData(std::mt19937& rng, const RadioData& factory) {
    RadioData data = factory;
    data.image = test::RandomImage(rng);
    data.RecomputeLimits();
    std::uniform_int_distribution<std::uint32_t> frequency(data.limits.lower, data.limits.upper);
    for (int n = 1; n <= region::kChannelCount; n += 1 + static_cast<int>(rng() % 3)) {
        WriteBcd32(&data.image[ChannelOffset(n)], frequency(rng));
    }
    data.Normalise();
    return data;
}

TEST(ConfigYaml, DumpThenApplyKeepsEveryByte) {
    const RadioData factory = Factory();
    std::mt19937 rng(1957);
    for (int round = 0; round <= 1000; ++round) {
        const RadioData data = round == 0 ? factory : RandomData(rng, factory);
        const std::string yaml = DumpConfigYaml(data);
        RadioData again = data;
        std::vector<std::string> adjusted;
        const Result applied = ApplyConfigYaml(yaml, again, adjusted);
        ASSERT_TRUE(applied) << "round " << round << ": " << applied.message << "\n" << yaml;
        ASSERT_EQ(again.image, data.image) << "round " << round << "\n" << yaml;
        ASSERT_EQ(adjusted, std::vector<std::string>{}) << "round " << round;
        ASSERT_EQ(again.header, data.header);
    }
}

TEST(ConfigYaml, EveryRowOfTheSettingsTableHasItsKey) {
    const std::string yaml = DumpConfigYaml(Factory());
    for (const SettingsField& row : kSettingsFields) {
        const std::string key = std::string(row.key) + ":";
        EXPECT_TRUE(yaml.find("\n  " + key) != std::string::npos ||
                    yaml.find("\n" + key) != std::string::npos)
            << row.key;
    }
}

TEST(ConfigYaml, EachKindOfFieldIsStoredThroughItsCodec) {
    const struct {
        const char* kind;
        const char* yaml;
        const char* dumped;  // a line the dump shows afterwards
    } cases[] = {
        {"list entry", "options: {squelch_level: \"7\"}", "squelch_level: \"7\""},
        {"tone list entry", "options:\n  decode: D023I", "decode: \"D023I\""},
        {"check box", "options: {beep: false}", "beep: false"},
        {"pair of texts", "options: {work_mode: Frequency}", "work_mode: Frequency"},
        {"edit text", "dtmf: {first_digit_delay: \"200\"}", "first_digit_delay: \"200\""},
        {"FM preset, numbered as the view labels it", "format: 2\nfm_channels: {3: \"101.1\"}",
         "\n  3: \"101.1\""},
        {"FM preset of a file without format, numbered 1-16", "fm_channels: {3: \"101.1\"}",
         "\n  2: \"101.1\""},
        {"new channel",
         "channels:\n  90: {rx_frequency: \"145.50000\", tx_frequency: \"145.50000\", rx_tone: "
         "Off, tx_tone: \"100.0\", busy_lock: Carrier, power: Low, bandwidth: Narrow, name: A1}",
         "90: {rx_frequency: \"145.50000\", tx_frequency: \"145.50000\", rx_tone: \"Off\", "
         "tx_tone: \"100.0\", busy_lock: \"Carrier\", power: \"Low\", bandwidth: \"Narrow\", "
         "name: \"A1\"}"},
        {"channel cleared", "channels: {1: ~}", "\n  1: ~\n"},
    };
    const RadioData factory = Factory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        RadioData data = factory;
        ASSERT_EQ(DumpConfigYaml(data).find(c.dumped), std::string::npos);
        const Result applied = ApplyConfigYaml(c.yaml, data);
        ASSERT_TRUE(applied) << applied.message;
        EXPECT_NE(DumpConfigYaml(data).find(c.dumped), std::string::npos) << DumpConfigYaml(data);
    }
}

TEST(ConfigYaml, EachValueStoredOtherwiseThanGivenIsReported) {
    const struct {
        const char* yaml;
        std::vector<std::string> adjusted;
    } cases[] = {
        {"fm_channels:\n  4: \"100.0\"\n  6: \"99.99\"",
         {"line 3: fm_channels.6: \"99.99\" stored as \"99.9\""}},
        {"fm_channels: {04: \"100\"}\noptions: {offset_frequency: \"0.6\", beep: yes}", {}},
        {"dtmf: {first_digit_delay: \"110\", digit_interval: \"0100\"}",
         {"line 1: dtmf.first_digit_delay: \"110\" stored as \"100\""}},
        {"options:\n  only_channel_mode: true\n  work_mode: Frequency\n  rx_frequency: \"146.523\"",
         {"line 3: options.work_mode: \"Frequency\" stored as \"Channel\"",
          "line 4: options.rx_frequency: \"146.523\" stored as \"146.52500\""}},
        {"channels:\n  1: {rx_frequency: \"146.5234\", name: CALL}",
         {"line 2: channels.1.rx_frequency: \"146.5234\" stored as \"146.52500\""}},
    };
    const RadioData factory = Factory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yaml);
        RadioData data = factory;
        std::vector<std::string> adjusted{"left over"};
        const Result applied = ApplyConfigYaml(c.yaml, data, adjusted);
        ASSERT_TRUE(applied) << applied.message;
        EXPECT_EQ(adjusted, c.adjusted);
    }
}

// One field's edit stores what the one-value text stores, refusals included.
TEST(ConfigYaml, OneSettingsFieldIsStoredAsItsOneValueText) {
    const struct {
        std::string_view key;
        std::size_t element;
        const char* text;
        const char* yaml;
    } cases[] = {
        {field::kDtmfCode.key, 0, "12AB", "options: {dtmf_code: \"12AB\"}"},
        {field::kDtmfCode.key, 0, "12G", "options: {dtmf_code: \"12G\"}"},
        {field::kRxFrequency.key, 0, "146.523", "options: {rx_frequency: \"146.523\"}"},
        {field::kPriorityChannel.key, 0, "", "options: {priority_channel: null}"},
        {field::kFirstDigitDelay.key, 0, "110", "dtmf: {first_digit_delay: \"110\"}"},
        {field::kSideTone.key, 0, "false", "dtmf: {side_tone: false}"},
        {field::kFmChannels.key, 3, "99.99", "format: 2\nfm_channels: {3: \"99.99\"}"},
        {field::kFmChannels.key, 16, "99.9", "format: 2\nfm_channels: {16: \"99.9\"}"},
    };
    const RadioData factory = Factory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yaml);
        RadioData expected = factory;
        std::vector<std::string> expectedAdjusted;
        const Result wanted = ApplyConfigYaml(c.yaml, expected, expectedAdjusted);
        RadioData data = factory;
        std::vector<std::string> adjusted;
        const Result applied = ApplySettingText(c.key, c.element, c.text, data, adjusted);
        EXPECT_EQ(applied.ok, wanted.ok) << applied.message;
        EXPECT_EQ(data.image, expected.image);
        EXPECT_EQ(adjusted.size(), expectedAdjusted.size());
    }
    RadioData data = factory;
    std::vector<std::string> adjusted;
    EXPECT_FALSE(ApplySettingText("no_such_field", 0, "1", data, adjusted));
}

TEST(ConfigYaml, AnythingWrongNamesItsLineAndChangesNothing) {
    const struct {
        std::string yaml;
        const char* message;
    } cases[] = {
        {"radio_info: {}\nopshuns: {}", "line 2: top level: unknown key \"opshuns\""},
        {"options:\n  squelsh_level: \"3\"", "line 2: options: unknown key \"squelsh_level\""},
        {"options:\n  beep: true\n  squelch_level: 12",
         "line 3: options.squelch_level: \"12\" is not one of"},
        {"dtmf:\n\n  side_tone: maybe", "line 3: dtmf.side_tone: \"maybe\" is not true or false"},
        {"dtmf: {digit_interval: \"10\"}", "line 1: dtmf.digit_interval: \"10\" is outside"},
        {"fm_channels: {17: \"88.0\"}", "line 1: fm_channels: \"17\" is not a preset from 1 to 16"},
        {"fm_channels:\n  2: [88]",
         "line 2: fm_channels.2: this value is not empty or 87.0 to 108.0 MHz"},
        {"channels:\n  1: {tx_frequency: \"440.00000\"}",
         "line 2: channels.1.tx_frequency: Tx Freq 440.00000 MHz is outside the band"},
        {"channels:\n  1: {name: \"a#c\"}", "line 2: channels.1.name: Name \"a#c\" is not up to 5"},
        {"channels: {129: ~}", "line 1: channels: \"129\" is not a channel from 1 to 128"},
        {"channels:\n  2: {rx_frequency: \"145.0\",\n  power: Medium}",
         "line 3: channels.2.power: Power \"Medium\" is not one of: Low, High."},
        {"format: 2\nfm_channels: {16: \"88.0\"}",
         "line 2: fm_channels: \"16\" is not a preset from 0 to 15"},
        {"format: 3", "line 1: format: \"3\" is not a format"},
        {"options: {squelch_level: \"3\"\n", "line 2: "},
        {"channels: {3: ~}\nfm_channels: {1: \"200\"}",
         "line 2: fm_channels.1: \"200\" is not empty"},
        {"options:\n  squelch_level: \"5\"\n  beep: true\n  squelch_level: \"7\"",
         "line 4: options.squelch_level: given twice, on lines 2 and 4"},
        {"channels:\n  5: {name: A}\n  6: {name: A}\n  05: ~",
         "line 4: channels.05: given twice, on lines 2 and 4"},
        {"dtmf: {}\nchannels: {9: {name: A, name: B}}",
         "line 2: channels.9.name: given twice, on lines 2 and 2"},
        {"options: {beep: true}\n---\noptions: {beep: false}",
         "line 2: a second document starts here"},
        {std::string(16, '[') + std::string(16, ']'), "line 1: top level: needs the sections"},
        {"dtmf:\n  " + std::string(16, '[') + std::string(16, ']'),
         "line 2: nested more than 16 levels deep"},
        {std::string(1'000'000, '['), "line 1: the text holds more than 20000 brackets"},
    };
    const RadioData factory = Factory();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yaml);
        RadioData data = factory;
        const Result applied = ApplyConfigYaml(c.yaml, data);
        EXPECT_FALSE(applied);
        EXPECT_TRUE(applied.message.starts_with(c.message)) << applied.message;
        EXPECT_EQ(data.image, factory.image);
    }
}

TEST(ConfigYaml, AnEditLeavesAnOutOfBandStoredTransmitAloneAndSaysSo) {
    RadioData data = Factory();
    // Channel 1 with a plus shift to 180 MHz, outside the VHF band.
    ChannelRecord record = ReadChannel(data.image, 1);
    const std::uint32_t rx = RecordRxFrequency(record);
    WriteBcd32(&record[record::kOffset], 18'000'000 - rx);
    record[record::kFlags] = static_cast<Byte>((record[record::kFlags] & 0x3F) | 0x40);
    WriteChannel(data.image, 1, record);
    std::vector<std::string> adjusted;
    std::vector<std::string> warnings;
    const Result applied =
        ApplyConfigYaml("channels:\n  1: {name: \"RENAM\"}", data, adjusted, &warnings);
    ASSERT_TRUE(applied) << applied.message;
    EXPECT_EQ(DecodeChannelAt(data.image, 1, data.limits).name, "RENAM");
    EXPECT_EQ(RecordTxFrequency(ReadChannel(data.image, 1)), 18'000'000u);
    EXPECT_EQ(warnings, (std::vector<std::string>{"line 2: channels.1.tx_frequency: 180.00000 lies "
                                                  "outside 136-174MHz; kept as stored"}));
}

}  // namespace
}  // namespace ht57
