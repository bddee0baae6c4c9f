#include <gtest/gtest.h>

#include <map>

#include "ImageBuilders.h"
#include "model/ChannelCsv.h"
#include "model/UserText.h"

namespace ht57 {
namespace {

TEST(UserTextTest, FillsPlaceholdersInAnyOrderAndLeavesOtherPercentSigns) {
    struct Case {
        const char* source;
        std::string expected;
    };
    const Case cases[] = {
        {"line %1, channel %2", "line 7, channel -3"},
        {"%2 before %1, %1 again", "-3 before 7, 7 again"},
        {"100% of %3", "100% of tone"},
        {"%4 and %0 are not given", "%4 and %0 are not given"},
        {"%10 is %1 then 0", "70 is 7 then 0"},
        {"ends in %", "ends in %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Fill(c.source, 7, -3, std::string("tone")), c.expected) << c.source;
    }
}

TEST(UserTextTest, AnInstalledTranslatorChangesModelMessagesAndTheDefaultIsEnglish) {
    const std::string csv = "Location,Frequency\r\n1,999.0\r\n";
    const auto reasons = [&csv] {
        Image image = test::ErasedImage();
        ChannelImportReport report;
        EXPECT_FALSE(  // its one row skipped
            ImportChannelCsv(csv, ImportScope::NamedChannels, test::kVhfLimits, image, report));
        return ImportReportLines(report).front();
    };
    const std::string english = reasons();
    EXPECT_EQ(english,
              "line 2, channel 1: skipped: receive frequency 999.0 MHz is outside 136-174 MHz");

    const std::map<std::string, std::string> german{
        {"line %1, channel %2: skipped: %3", "Zeile %1, Kanal %2: übersprungen: %3"},
        {"receive frequency %1 MHz is outside %2", "%2 schließt %1 MHz nicht ein"}};
    SetTextTranslator([&german](const char* source) {
        const auto found = german.find(source);
        return found == german.end() ? std::string(source) : found->second;
    });
    const std::string translated = reasons();
    SetTextTranslator({});
    EXPECT_EQ(translated,
              "Zeile 2, Kanal 1: übersprungen: 136-174 MHz schließt 999.0 MHz nicht ein");
    EXPECT_EQ(reasons(), english);
}

}  // namespace
}  // namespace ht57
