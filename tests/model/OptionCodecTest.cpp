#include <gtest/gtest.h>

#include <random>

#include "ImageBuilders.h"
#include "model/Bcd.h"
#include "model/OptionCodec.h"

namespace ht57 {
namespace {

using test::ErasedImage;
using test::kVhfLimits;

constexpr std::size_t kRecord = 0x820;
constexpr std::size_t kRecordFlags = 0x82A;

// Every field set to a valid, distinct value; carried bits set where they exist.
Image CanonicalImage() {
    Image image = ErasedImage();
    test::PutChannel(image, 5, 14'652'000);
    test::PutChannel(image, 12, 14'500'000);
    WriteBcd16(&image[0xFA0], 1360);
    WriteBcd16(&image[0xFA2], 1740);
    image[0xFC2] = 3;
    image[0xFC3] = 0;
    image[0xFC4] = 7;
    image[0xFC5] = 0xCF;  // channel mode, beep, save; side tone and bits 1-2 carried
    image[0xFC6] = 0x9E;  // PTT ID 2, bit 2 carried, priority scan, scan mode 1, back light 2
    image[0xFC8] = 12;
    image[0xFC9] = 4;
    image[0xFCC] = 0xF7;  // Manual checked
    image[0xFCE] = 0xDC;  // PF3 4, embed, receive enable and bits 6-7 carried, VHF
    image[0xFE0] = 0x01;
    image[0xFE1] = 0x02;
    image[0xFE2] = 0x0A;
    image[0xFE8] = 0x10;
    image[0xFE9] = 0x20;
    image[0xFEA] = 0x30;
    WriteBcd32(&image[kRecord], 14'550'000);
    WriteBcd32(&image[kRecord + 4], 60'000);
    image[kRecord + 8] = 51;  // with the bank bit: D023I
    image[kRecord + 9] = 12;
    image[kRecordFlags] = 0x5D;  // High, Narrow, bits 2-3 carried, decode bank, Plus
    for (Byte k = 0; k < 5; ++k) {
        image[kRecord + 11 + k] = k;
    }
    return image;
}

OptionValues CanonicalValues() {
    OptionValues v;
    v.squelch = 3;
    v.vox = 0;
    v.tot = 7;
    v.backLight = 2;
    v.display = 0;
    v.pttId = 2;
    v.pf3 = 4;
    v.scanMode = 1;
    v.step = 4;
    v.decodeTone = 157;
    v.encodeTone = 12;
    v.bandwidth = 0;
    v.power = 1;
    v.duplex = 1;
    v.beep = true;
    v.save = true;
    v.manual = true;
    v.channelEmbedEnable = true;
    v.priorityScan = true;
    v.onlyChannelMode = false;
    v.frequencyMode = false;
    v.dtmfCode = "12A";
    v.lowerLimit = "136";
    v.upperLimit = "174";
    v.rxFrequency = "145.50000";
    v.offsetFrequency = "0.60000";
    v.priorityChannels = {"5", "12"};
    v.priorityChannel = 1;
    return v;
}

// The bits the option form owns.
Image OwnedBits() {
    Image mask{};
    test::Own(mask, 0xFA0, 4);
    test::Own(mask, 0xFC2, 3);
    test::Own(mask, 0xFC5, 1, 0xB9);
    test::Own(mask, 0xFC6, 1, 0xFB);
    test::Own(mask, 0xFC8, 2);
    test::Own(mask, 0xFCC, 1, 0x08);
    test::Own(mask, 0xFCE, 1, 0x0F);
    test::Own(mask, 0xFE0, 8);
    test::Own(mask, kRecord, 10);
    test::Own(mask, kRecordFlags, 1, 0xF3);
    return mask;
}

TEST(OptionCodec, CanonicalImageDecodesAndEncodesUnchanged) {
    const Image canonical = CanonicalImage();
    EXPECT_EQ(DecodeOptions(canonical, kVhfLimits), CanonicalValues());

    Image image = canonical;
    EncodeOptions(DecodeOptions(canonical, kVhfLimits), image);
    EXPECT_EQ(image, canonical);
}

TEST(OptionCodec, FrequencyBeyondTheFieldKeepsTheStoredBytes) {
    // An erased field reads as 1666.66500 MHz, more than eight digits hold.
    const Image erased = ErasedImage();
    Image image = erased;
    EncodeOptions(DecodeOptions(erased, kVhfLimits), image);
    for (const SettingsField* field : {&field::kRxFrequency, &field::kOffsetFrequency}) {
        EXPECT_EQ(ReadBcd32(&image[field->address]), ReadBcd32(&erased[field->address]))
            << field->key;
    }
}

TEST(OptionCodec, EncodeWritesEveryOwnedFieldFromScratch) {
    Image image = ErasedImage();
    // Carried bits as in the canonical image, owned bits erased.
    const Image canonical = CanonicalImage();
    const Image owned = OwnedBits();
    for (std::size_t i = 0; i < kImageSize; ++i) {
        image[i] = static_cast<Byte>((canonical[i] & ~owned[i]) | (0xFF & owned[i]));
    }
    EncodeOptions(CanonicalValues(), image);
    EXPECT_EQ(test::FirstForeignChange(canonical, image, Image{}), -1);
}

TEST(OptionCodec, NoSelectionStoresAllOnes) {
    const struct {
        const char* field;
        int OptionValues::*member;
        std::size_t offset;
        Byte mask;
    } cases[] = {
        {"squelch", &OptionValues::squelch, 0xFC2, 0xFF},
        {"vox", &OptionValues::vox, 0xFC3, 0xFF},
        {"tot", &OptionValues::tot, 0xFC4, 0xFF},
        {"step", &OptionValues::step, 0xFC9, 0xFF},
        {"display", &OptionValues::display, 0xFC5, 0x10},
        {"pttId", &OptionValues::pttId, 0xFC6, 0x03},
        {"scanMode", &OptionValues::scanMode, 0xFC6, 0x30},
        {"backLight", &OptionValues::backLight, 0xFC6, 0xC0},
        {"pf3", &OptionValues::pf3, 0xFCE, 0x07},
        {"power", &OptionValues::power, kRecordFlags, 0x01},
        {"bandwidth", &OptionValues::bandwidth, kRecordFlags, 0x02},
        {"duplex", &OptionValues::duplex, kRecordFlags, 0xC0},
    };
    for (const auto& c : cases) {
        for (int position : {-1, 99}) {
            const Image canonical = CanonicalImage();
            Image image = canonical;
            OptionValues values = CanonicalValues();
            values.*c.member = position;
            EncodeOptions(values, image);
            EXPECT_EQ(image[c.offset] & c.mask, c.mask) << c.field << " " << position;
            EXPECT_EQ(image[c.offset] & ~c.mask, canonical[c.offset] & ~c.mask) << c.field;
        }
    }
}

TEST(OptionCodec, StoredValueBeyondItsListSelectsNothing) {
    const struct {
        const char* field;
        int OptionValues::*member;
        std::size_t offset;
        Byte mask;
        Byte value;
    } cases[] = {
        {"squelch 10", &OptionValues::squelch, 0xFC2, 0xFF, 10},
        {"squelch 12", &OptionValues::squelch, 0xFC2, 0xFF, 12},
        {"vox 10", &OptionValues::vox, 0xFC3, 0xFF, 10},
        {"tot 8", &OptionValues::tot, 0xFC4, 0xFF, 8},
        {"step 6", &OptionValues::step, 0xFC9, 0xFF, 6},
        {"step 0xFF", &OptionValues::step, 0xFC9, 0xFF, 0xFF},
        {"scan mode 3", &OptionValues::scanMode, 0xFC6, 0x30, 0x30},
        {"back light 3", &OptionValues::backLight, 0xFC6, 0xC0, 0xC0},
        {"pf3 5", &OptionValues::pf3, 0xFCE, 0x07, 0x05},
        {"pf3 7", &OptionValues::pf3, 0xFCE, 0x07, 0x07},
        {"duplex 3", &OptionValues::duplex, kRecordFlags, 0xC0, 0xC0},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        image[c.offset] = static_cast<Byte>((image[c.offset] & ~c.mask) | c.value);
        const OptionValues values = DecodeOptions(image, kVhfLimits);
        EXPECT_EQ(values.*c.member, kNoSelection) << c.field;
        // Storing it back writes all ones into the field.
        EncodeOptions(values, image);
        EXPECT_EQ(image[c.offset] & c.mask, c.mask) << c.field;
    }
}

TEST(OptionCodec, ToneCodesAndBanks) {
    const struct {
        Byte code;
        bool bank;
        int position;
    } cases[] = {
        {0, false, 0},   {50, false, 50},  {51, false, 51},  {156, false, 156},
        {51, true, 157}, {156, true, 262}, {0, true, 106},   {200, false, 200},
        {157, true, -1}, {200, true, -1},  {0xFF, true, -1}, {0xFF, false, 255},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        image[kRecord + 8] = c.code;
        image[kRecord + 9] = c.code;
        image[kRecordFlags] =
            static_cast<Byte>((image[kRecordFlags] & ~0x30) | (c.bank ? 0x30 : 0));
        const OptionValues v = DecodeOptions(image, kVhfLimits);
        EXPECT_EQ(v.decodeTone, c.position) << int{c.code} << " " << c.bank;
        EXPECT_EQ(v.encodeTone, c.position) << int{c.code} << " " << c.bank;
    }
}

TEST(OptionCodec, TonePositionsStoreCodeAndBank) {
    const struct {
        int position;
        Byte code;
        bool bank;
    } cases[] = {
        {0, 0, false}, {50, 50, false}, {156, 156, false}, {157, 51, true}, {262, 156, true},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        OptionValues values = CanonicalValues();
        values.decodeTone = c.position;
        values.encodeTone = c.position;
        EncodeOptions(values, image);
        EXPECT_EQ(image[kRecord + 8], c.code) << c.position;
        EXPECT_EQ(image[kRecord + 9], c.code) << c.position;
        EXPECT_EQ((image[kRecordFlags] & 0x10) != 0, c.bank) << c.position;
        EXPECT_EQ((image[kRecordFlags] & 0x20) != 0, c.bank) << c.position;
        EXPECT_EQ(DecodeOptions(image, kVhfLimits).decodeTone, c.position);
        EXPECT_EQ(DecodeOptions(image, kVhfLimits).encodeTone, c.position);
    }
}

TEST(OptionCodec, ToneWithoutSelectionKeepsTheStoredTone) {
    // An erased frequency-mode record must not turn into a DCS tone on store.
    Image image = CanonicalImage();
    std::fill_n(image.begin() + kRecord, 16, Byte{0xFF});
    const OptionValues values = DecodeOptions(image, kVhfLimits);
    ASSERT_EQ(values.decodeTone, kNoSelection);
    ASSERT_EQ(values.encodeTone, kNoSelection);
    EncodeOptions(values, image);
    EXPECT_EQ(image[kRecord + 8], 0xFF);
    EXPECT_EQ(image[kRecord + 9], 0xFF);
    EXPECT_EQ(image[kRecordFlags] & 0x30, 0x30);
    EXPECT_EQ(DecodeOptions(image, kVhfLimits).decodeTone, kNoSelection);
}

TEST(OptionCodec, DtmfCode) {
    const struct {
        const char* text;
        std::array<Byte, 8> stored;
        const char* reloaded;
    } cases[] = {
        {"12*3", {0x01, 0x02, 0xFF, 0x03, 0xFF, 0xFF, 0xFF, 0xFF}, "12"},
        {"ABCDEF", {0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0xFF, 0xFF}, "ABCDEF"},
        {"", {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, ""},
        {"0123456789", {0, 1, 2, 3, 4, 5, 6, 7}, "01234567"},
        {"9a", {0x09, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "9"},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        OptionValues values = CanonicalValues();
        values.dtmfCode = c.text;
        EncodeOptions(values, image);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(image[0xFE0 + i], c.stored[i]) << c.text << " byte " << i;
        }
        EXPECT_EQ(image[0xFE8], 0x10);
        EXPECT_EQ(image[0xFEA], 0x30);
        EXPECT_EQ(DecodeOptions(image, kVhfLimits).dtmfCode, c.reloaded) << c.text;
    }
}

TEST(OptionCodec, DtmfCodeLoadStopsAtFirstByteBeyondTheAlphabet) {
    Image image = CanonicalImage();
    const std::array<Byte, 8> code{0x0F, 0x10, 0x00, 0x11, 0x01, 0x02, 0x03, 0x04};
    std::copy(code.begin(), code.end(), image.begin() + 0xFE0);
    EXPECT_EQ(DecodeOptions(image, kVhfLimits).dtmfCode, "F\b0");
}

TEST(OptionCodec, PriorityChannelList) {
    const struct {
        std::vector<int> inUse;
        Byte stored;
        std::vector<std::string> list;
        int selected;
        Byte storedBack;
    } cases[] = {
        {{5, 12}, 1, {"5", "12"}, 1, 12},
        {{5, 12}, 7, {"5", "12"}, 0, 5},
        {{5, 12}, 12, {"5", "12"}, 1, 12},
        {{5, 12}, 0, {"5", "12"}, 0, 5},
        {{1, 10, 100}, 10, {"1", "10", "100"}, 1, 10},
        {{1, 10, 100}, 1, {"1", "10", "100"}, 0, 1},
        {{128}, 200, {"128"}, 0, 128},
        {{}, 5, {}, kNoSelection, 0},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        std::fill_n(image.begin() + 0x010, 0x800, Byte{0xFF});
        for (int n : c.inUse) {
            test::PutChannel(image, n, 14'600'000);
        }
        image[0xFC8] = c.stored;
        const OptionValues values = DecodeOptions(image, kVhfLimits);
        EXPECT_EQ(values.priorityChannels, c.list) << int{c.stored};
        EXPECT_EQ(values.priorityChannel, c.selected) << int{c.stored};
        EncodeOptions(values, image);
        EXPECT_EQ(image[0xFC8], c.storedBack) << int{c.stored};
    }
}

TEST(OptionCodec, PriorityChannelListFollowsTheLimits) {
    Image image = CanonicalImage();
    test::PutChannel(image, 7, 43'500'000);
    EXPECT_EQ(DecodeOptions(image, kVhfLimits).priorityChannels,
              (std::vector<std::string>{"5", "12"}));
    EXPECT_EQ(DecodeOptions(image, test::kUhfLimits).priorityChannels,
              (std::vector<std::string>{"7"}));
}

TEST(OptionCodec, WorkModeAndOnlyChannelMode) {
    const struct {
        bool onlyChannelMode;
        bool frequencyMode;
        Byte bits;  // bit 0 work mode, bit 5 only channel mode
    } cases[] = {
        {false, true, 0x00},
        {false, false, 0x01},
        {true, false, 0x21},
        {true, true, 0x21},  // only channel mode forces "Channel"
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        OptionValues values = CanonicalValues();
        values.onlyChannelMode = c.onlyChannelMode;
        values.frequencyMode = c.frequencyMode;
        EncodeOptions(values, image);
        EXPECT_EQ(image[0xFC5] & 0x21, c.bits) << c.onlyChannelMode << c.frequencyMode;
    }

    Image image = CanonicalImage();
    image[0xFC5] = static_cast<Byte>((image[0xFC5] & ~0x21) | 0x20);  // "Frequency" + only channel
    const OptionValues values = DecodeOptions(image, kVhfLimits);
    EXPECT_TRUE(values.onlyChannelMode);
    EXPECT_FALSE(values.frequencyMode);
    image[0xFC5] &= static_cast<Byte>(~0x21);
    EXPECT_TRUE(DecodeOptions(image, kVhfLimits).frequencyMode);
}

TEST(OptionCodec, FlagBits) {
    const struct {
        const char* field;
        bool OptionValues::*member;
        std::size_t offset;
        Byte bit;
        bool inverted;
    } cases[] = {
        {"beep", &OptionValues::beep, 0xFC5, 0x08, false},
        {"save", &OptionValues::save, 0xFC5, 0x80, false},
        {"manual", &OptionValues::manual, 0xFCC, 0x08, true},
        {"embed", &OptionValues::channelEmbedEnable, 0xFCE, 0x08, false},
        {"priority scan", &OptionValues::priorityScan, 0xFC6, 0x08, false},
    };
    for (const auto& c : cases) {
        for (bool checked : {false, true}) {
            Image image = CanonicalImage();
            OptionValues values = CanonicalValues();
            values.*c.member = checked;
            EncodeOptions(values, image);
            const bool bitSet = (image[c.offset] & c.bit) != 0;
            EXPECT_EQ(bitSet, checked != c.inverted) << c.field << " " << checked;
            EXPECT_EQ(DecodeOptions(image, kVhfLimits).*c.member, checked) << c.field;
        }
    }
}

TEST(OptionCodec, FrequenciesAndLimitsInBcd) {
    const struct {
        const char* rx;
        const char* upper;
        std::array<Byte, 4> rxBytes;
        std::array<Byte, 2> upperBytes;
    } cases[] = {
        {"145.50000", "174", {0x00, 0x00, 0x55, 0x14}, {0x40, 0x17}},
        {"146.52", "470", {0x00, 0x20, 0x65, 0x14}, {0x00, 0x47}},
        // No snapping on store, and no text stores zero.
        {"145.0066", "", {0x60, 0x06, 0x50, 0x14}, {0x00, 0x00}},
        {"abc", "17x", {0x00, 0x00, 0x00, 0x00}, {0x70, 0x01}},
    };
    for (const auto& c : cases) {
        Image image = CanonicalImage();
        OptionValues values = CanonicalValues();
        values.rxFrequency = c.rx;
        values.upperLimit = c.upper;
        EncodeOptions(values, image);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ(image[kRecord + i], c.rxBytes[i]) << c.rx << " byte " << i;
        }
        EXPECT_EQ(image[0xFA2], c.upperBytes[0]) << c.upper;
        EXPECT_EQ(image[0xFA3], c.upperBytes[1]) << c.upper;
    }
}

TEST(OptionCodec, StoredFrequenciesLoadSnapped) {
    Image image = CanonicalImage();
    WriteBcd32(&image[kRecord], 14'500'660);
    WriteBcd32(&image[kRecord + 4], 60'011);
    WriteBcd16(&image[0xFA0], 1365);
    const OptionValues values = DecodeOptions(image, kVhfLimits);
    EXPECT_EQ(values.rxFrequency, "145.00625");
    EXPECT_EQ(values.offsetFrequency, "0.60000");
    EXPECT_EQ(values.lowerLimit, "136");
}

// Field kinds x edited or not: an unedited field gets its stored bits back, an
// edited one keeps its whole encoding; FM presets count one by one.
TEST(KeepUnchangedFields, RestoresOnlyUneditedFields) {
    using namespace field;
    const struct {
        std::size_t edit, first;  // the byte the edit changes, its element's first byte
        Byte bit;
    } cases[] = {{kLowerLimit.address + 1, kLowerLimit.address, 0x10},
                 {kBeep.address, kBeep.address, kBeep.mask},
                 {kSquelch.address, kSquelch.address, 0x01},
                 {kDecode.bankAddress, kDecode.address, kDecode.bankMask},
                 {kDtmfCode.address + 2, kDtmfCode.address, 0x01},
                 {kFmChannels.address + 3, kFmChannels.address + 3, 0x01}};
    for (const auto& c : cases) {
        for (const bool edited : {false, true}) {
            Image stored{};
            stored.fill(0xFE);
            const Image shown{};
            Image result = shown;
            result[c.edit] ^= edited ? c.bit : 0;
            const Image encoded = result;
            KeepUnchangedFields(stored, shown, result);
            const Image& expected = edited ? encoded : stored;
            EXPECT_EQ(result[c.edit] & c.bit, expected[c.edit] & c.bit) << c.edit;
            EXPECT_EQ(result[c.first] | (c.first == c.edit ? 0xFF : 0),
                      expected[c.first] | (c.first == c.edit ? 0xFF : 0));
            EXPECT_EQ(result[kSave.address] & kSave.mask, stored[kSave.address] & kSave.mask);
            EXPECT_EQ(result[kFmChannels.address], stored[kFmChannels.address]);
        }
    }
}

TEST(SnappedFrequencyText, SnapsToTheChannelRaster) {
    const struct {
        const char* text;
        const char* shown;
    } cases[] = {
        {"145.0011", "145.00000"}, {"145.0047", "145.00500"}, {"145.0066", "145.00625"},
        {"146.5213", "146.52000"}, {"146.523", "146.52500"},  {"136.015", "136.01500"},
        {"0.6", "0.60000"},        {"", "0.00000"},           {"abc", "0.00000"},
        {"500", "500.00000"},      {"999.99999", nullptr},    {"999.995", "999.99500"},
        {"1000", nullptr},         {"99999", nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<std::string> shown = SnappedFrequencyText(c.text);
        EXPECT_EQ(shown.has_value(), c.shown != nullptr) << c.text;
        if (shown && c.shown) {
            EXPECT_EQ(*shown, c.shown) << c.text;
        }
    }
}

TEST(DtmfCodeKey, TakesOnlyWhatTheCodeCanStore) {
    const std::u32string typed = U"09aF*# g\b\u00e9";
    std::string taken;
    for (char32_t key : typed) {
        taken += DtmfCodeKey(key).value_or('-');
    }
    EXPECT_EQ(taken, "09AF------");
}

TEST(OptionCodec, RandomImagesChangeOnlyOwnedBitsAndSettleAfterOnePass) {
    std::mt19937 rng(57);
    const Image owned = OwnedBits();
    for (int round = 0; round < 300; ++round) {
        Image image = test::RandomImage(rng);
        // Put a few channels in use so the priority list is not always empty.
        for (int n = 1 + round % 7; n <= 128; n += 9) {
            test::PutChannel(image, n, 14'000'000 + static_cast<std::uint32_t>(n) * 625);
        }
        const FrequencyLimits limits = round % 2 ? kVhfLimits : test::kUhfLimits;
        const Image before = image;
        EncodeOptions(DecodeOptions(image, limits), image);
        ASSERT_EQ(test::FirstForeignChange(before, image, owned), -1) << "round " << round;

        const Image settled = image;
        EncodeOptions(DecodeOptions(image, limits), image);
        ASSERT_EQ(image, settled) << "round " << round;
    }
}

}  // namespace
}  // namespace ht57
