#include <gtest/gtest.h>

#include "ImageBuilders.h"
#include "model/ChannelEdit.h"

namespace ht57 {
namespace {

using test::kVhfLimits;

ChannelTexts InUse(const char* rx, const char* tx) {
    return {rx, tx, "Off", "Off", "Off", "High", "Wide", "AB"};
}

TEST(CommitFrequencyEdit, FirstFrequencyOnEmptyRowWritesNewChannel) {
    Image image = test::ErasedImage();
    const ChannelTexts row =
        CommitFrequencyEdit(image, kVhfLimits, 7, {}, ChannelColumn::RxFrequency, "145.6").row;
    const ChannelRecord expected{0x00, 0x00, 0x56, 0x14, 0x00, 0x00, 0x56, 0x14,
                                 0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadChannel(image, 7), expected);
    EXPECT_EQ(row,
              (ChannelTexts{"145.60000", "145.60000", "Off", "Off", "Off", "High", "Wide", ""}));
    EXPECT_EQ(ReadChannel(image, 6), ReadChannel(test::ErasedImage(), 6));
    EXPECT_EQ(ReadChannel(image, 8), ReadChannel(test::ErasedImage(), 8));
}

TEST(CommitFrequencyEdit, NoFrequencyClearsAChannelInUseAtOnce) {
    for (const char* typed : {"0", "", "."}) {
        Image image = test::ErasedImage();
        test::PutChannel(image, 5, 14'652'000);
        const ChannelTexts row =
            CommitFrequencyEdit(image, kVhfLimits, 5, InUse("146.52000", "146.52000"),
                                ChannelColumn::RxFrequency, typed)
                .row;
        EXPECT_EQ(row, ChannelTexts{}) << typed;
        const ChannelRecord cleared{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                    0x00, 0x00, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
        EXPECT_EQ(ReadChannel(image, 5), cleared) << typed;
    }
}

TEST(CommitFrequencyEdit, EditsThatLeaveTheImageAlone) {
    const struct {
        const char* what;
        ChannelTexts row;
        ChannelColumn column;
        const char* typed;
        ChannelTexts expected;
        bool refused = false;
    } cases[] = {
        {"rx of a channel in use changes only rx", InUse("146.52000", "146.52000"),
         ChannelColumn::RxFrequency, "147", InUse("147.00000", "146.52000")},
        {"rx outside the band is refused, not clamped", InUse("146.52000", "146.52000"),
         ChannelColumn::RxFrequency, "446.00625", InUse("146.52000", "146.52000"), true},
        {"tx outside the band is refused", InUse("146.52000", "146.52000"),
         ChannelColumn::TxFrequency, "100", InUse("146.52000", "146.52000"), true},
        {"tx of a channel in use", InUse("146.52000", "146.52000"), ChannelColumn::TxFrequency,
         "146.0062", InUse("146.52000", "146.00625")},
        {"tx emptied means simplex", InUse("146.52000", "147.00000"), ChannelColumn::TxFrequency,
         "", InUse("146.52000", "146.52000")},
        {"tx of an empty row", {}, ChannelColumn::TxFrequency, "146", {}},
        {"nothing typed on an empty row", {}, ChannelColumn::RxFrequency, "", {}},
    };
    for (const auto& c : cases) {
        Image image = test::ErasedImage();
        test::PutChannel(image, 9, 14'652'000);
        const Image before = image;
        const FrequencyCommit commit =
            CommitFrequencyEdit(image, kVhfLimits, 9, c.row, c.column, c.typed);
        EXPECT_EQ(commit.row, c.expected) << c.what;
        EXPECT_EQ(!commit.result, c.refused) << c.what;
        EXPECT_EQ(c.refused,
                  commit.result.message.find("136.00000 to 174.00000") != std::string::npos)
            << c.what;
        EXPECT_EQ(image, before) << c.what;
    }
}

TEST(ChannelEditRules, ToneAndListPicksNeedAChannelInUse) {
    const ChannelTexts inUse = InUse("146.52000", "146.52000");
    EXPECT_EQ(CommitToneEdit(inUse, "D023I"), "D023I");
    EXPECT_EQ(CommitToneEdit(inUse, "d23"), "D023N");
    EXPECT_EQ(CommitToneEdit(inUse, "off"), "Off");
    EXPECT_EQ(CommitToneEdit({}, "D023I"), "");
    EXPECT_EQ(CommitListEdit(inUse, "Low"), "Low");
    EXPECT_EQ(CommitListEdit({}, "Low"), "");
    EXPECT_EQ(EditColumn({}, ChannelColumn::Name), ChannelColumn::RxFrequency);
    EXPECT_EQ(EditColumn(inUse, ChannelColumn::Name), ChannelColumn::Name);
}

TEST(EditKeys, CharacterSets) {
    const struct {
        char32_t key;
        bool frequency;
        std::optional<char> name;
        bool fm;
    } cases[] = {
        {U'7', true, '7', true},
        {U'.', true, std::nullopt, true},
        {U'\b', true, '\b', true},
        {U'a', false, 'A', false},
        {U'Z', false, 'Z', false},
        {U'#', false, std::nullopt, false},
        {U' ', false, ' ', false},
        {U'-', false, '-', false},
        {U'_', false, '_', false},
        {U'*', false, '*', false},
        {U'\r', false, std::nullopt, true},
        {0x16, false, std::nullopt, true},
        {0x7F, false, std::nullopt, false},
        {U'\u00e9', false, std::nullopt, false},
        {U'\uff11', false, std::nullopt, false},
        {0, false, std::nullopt, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsFrequencyKey(c.key), c.frequency) << static_cast<int>(c.key);
        EXPECT_EQ(NameKey(c.key), c.name) << static_cast<int>(c.key);
        EXPECT_EQ(IsFmKey(c.key), c.fm) << static_cast<int>(c.key);
    }
}

TEST(ChannelTable, ColumnsAddressTheirTexts) {
    ChannelTexts row{"1", "2", "3", "4", "5", "6", "7", "8"};
    for (int column = 1; column <= kChannelColumnCount; ++column) {
        EXPECT_EQ(ColumnText(row, static_cast<ChannelColumn>(column)), std::to_string(column));
    }
    ColumnText(row, ChannelColumn::Name) = "X";
    EXPECT_EQ(row.name, "X");
}

}  // namespace
}  // namespace ht57
