#include <gtest/gtest.h>

#include <random>

#include "../fuzz/InputChecks.h"

namespace ht57 {
namespace {

// The fuzz targets' properties on seeded random inputs, so that every build,
// sanitized or not, runs them. Inputs mix random bytes with pieces of valid
// input, since pure noise rarely gets past the first check.
class RandomInput {
public:
    explicit RandomInput(std::uint32_t seed) : generator_(seed) {}

    int Below(int limit) { return std::uniform_int_distribution<int>(0, limit - 1)(generator_); }

    std::string Bytes(std::size_t size, std::string_view alphabet = {}) {
        std::string bytes(size, '\0');
        for (char& c : bytes) {
            c = alphabet.empty()
                    ? static_cast<char>(Below(256))
                    : alphabet[static_cast<std::size_t>(Below(static_cast<int>(alphabet.size())))];
        }
        return bytes;
    }

    std::string Pick(std::initializer_list<std::string_view> choices) {
        return std::string(choices.begin()[Below(static_cast<int>(choices.size()))]);
    }

private:
    std::mt19937 generator_;
};

std::span<const Byte> AsBytes(const std::string& text) {
    return {reinterpret_cast<const Byte*>(text.data()), text.size()};
}

constexpr int kRounds = 2000;

TEST(RandomInput, DataFiles) {
    RandomInput random(57);
    const std::string signature(reinterpret_cast<const char*>(kFileSignature.data()), 8);
    for (int round = 0; round < kRounds; ++round) {
        const std::size_t size = static_cast<std::size_t>(random.Below(9000));
        std::string file = random.Bytes(size);
        if (random.Below(4) != 0) {
            file.replace(0, std::min<std::size_t>(8, size),
                         signature.substr(0, std::min<std::size_t>(8, size)));
        }
        ASSERT_EQ(checks::CheckDataFile(AsBytes(file)), "") << "round " << round;
    }
}

TEST(RandomInput, ProfileTexts) {
    RandomInput random(3);
    for (int round = 0; round < kRounds; ++round) {
        std::string contents;
        const int lines = random.Below(12);
        for (int i = 0; i < lines; ++i) {
            contents += random.Pick({"[Setup]", "[about]", " [ SETUP ", "COM=COM1", " com = x ",
                                     "Model=\"HT\"", ";c", "junk", "=", ""});
            contents += random.Bytes(static_cast<std::size_t>(random.Below(3)), " \t=[]\r\0x");
            contents += random.Pick({"\n", "\r\n", "\r", ""});
        }
        contents += "\x1f" + random.Pick({"Setup", "about", " SETUP ", "S]", "", "\x01"});
        contents += "\x1f" + random.Pick({"COM", "Model", " model ", "a=b", "[k", "", ";"});
        contents += "\x1f" + random.Bytes(static_cast<std::size_t>(random.Below(6)), " \"'ab\n\0=");
        ASSERT_EQ(checks::CheckProfileText(contents), "") << "round " << round;
    }
}

TEST(RandomInput, ChannelsAndTexts) {
    RandomInput random(128);
    const std::string frequencyChars = "0123456789. ";
    for (int round = 0; round < kRounds / 10; ++round) {
        std::string image = random.Bytes(2 * kImageSize);
        // Mostly plausible BCD receive frequencies, so channels count as in use.
        for (int n = 1; n <= region::kChannelCount; ++n) {
            if (random.Below(3) != 0) {
                const std::size_t at = ChannelOffset(n);
                image[at] = static_cast<char>(random.Below(10) << 4 | random.Below(10));
                image[at + 1] = static_cast<char>(random.Below(10) << 4 | random.Below(10));
                image[at + 2] = static_cast<char>(random.Below(10) << 4 | random.Below(10));
                image[at + 3] = random.Below(2) ? '\x14' : '\x44';
            }
        }
        std::string texts;
        texts += random.Bytes(static_cast<std::size_t>(random.Below(11)), frequencyChars) + "\n";
        texts += random.Bytes(static_cast<std::size_t>(random.Below(11)), frequencyChars) + "\n";
        texts += random.Pick({"Off", "88.5", "D023N", "D754I", "x", ""}) + "\n";
        texts += random.Pick({"Off", "254.1", "D023I", "d023n", ""}) + "\n";
        texts += random.Pick({"Off", "Carrier", "QT/DQT", "?"}) + "\n";
        texts += random.Pick({"Low", "High", "high"}) + "\n";
        texts += random.Pick({"Narrow", "Wide", ""}) + "\n";
        texts += random.Bytes(static_cast<std::size_t>(random.Below(8)), "AZ09-_+* \b?a");
        ASSERT_EQ(checks::CheckChannels(AsBytes(image + texts)), "") << "round " << round;
    }
}

TEST(RandomInput, ToneTexts) {
    RandomInput random(263);
    for (int round = 0; round < kRounds; ++round) {
        const std::string text =
            random.Bytes(static_cast<std::size_t>(random.Below(10)), "0123456789.dDnNiI oOfF-+e\t");
        ASSERT_EQ(checks::CheckToneText(text), "") << text;
    }
}

TEST(RandomInput, ChannelCsvImports) {
    RandomInput random(16);
    for (int round = 0; round < kRounds / 4; ++round) {
        std::string csv = random.Bytes(1) + random.Pick({"Location,Frequency,Duplex,Offset,Name\n",
                                                         "Frequency,Location,Tone,rToneFreq\r\n",
                                                         "Location,Frequency,Frequency\n", ""});
        for (int row = random.Below(8); row > 0; --row) {
            csv += random.Pick({"0", "1", "128", "x", ""}) + "," +
                   random.Pick({"146.52", "440.1", "174", "1e3"}) + "," +
                   random.Pick({"+", "-", "split", "off", ""}) + "," +
                   random.Pick({"0.6", "5", "436.0", "\"1"}) + "," +
                   random.Bytes(static_cast<std::size_t>(random.Below(8)), "AB ,\"\n\0");
            csv += random.Pick({"\n", "\r\n", "\r"});
        }
        ASSERT_EQ(checks::CheckChannelCsvImport(AsBytes(csv)), "") << "round " << round;
    }
}

TEST(RandomInput, ConfigApplies) {
    RandomInput random(4096);
    for (int round = 0; round < kRounds / 4; ++round) {
        std::string yaml = random.Bytes(1);
        for (int line = random.Below(10); line > 0; --line) {
            yaml += random.Pick({"options:", "  squelch_level: ", "  beep: ", "channels:", "  5: ",
                                 "  05: ", "fm_channels: {", "  3: ", "dtmf:", "---",
                                 "  rx_frequency: ", "radio_info:", "  band: ", "  work_mode: "});
            yaml += random.Pick({"\"3\"", "true", "~", "{rx_frequency: \"145.5\", name: AB}", "[",
                                 "]", "}", "\"99.99\"", "RDX3-UHF", "Frequency", ""});
            yaml += random.Pick({"\n", "\r\n", " "});
        }
        ASSERT_EQ(checks::CheckConfigApply(AsBytes(yaml)), "") << yaml;
    }
}

}  // namespace
}  // namespace ht57
