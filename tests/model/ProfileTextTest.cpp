#include <gtest/gtest.h>

#include <string>

#include "model/ProfileText.h"

namespace ht57 {
namespace {

using namespace std::string_literals;

TEST(ProfileString, LooksUpLikeTheProfileRead) {
    const struct {
        std::string contents;
        const char* section;
        const char* key;
        const char* defaultValue;
        std::string expected;
    } cases[] = {
        {"[Setup]\nCOM=COM3\n", "Setup", "COM", "", "COM3"},
        {"[setup]\ncom=COM3\n", "SETUP", "Com", "", "COM3"},
        {"  [ Setup ]  \r\n  COM  =  COM3  \r\n", "Setup", "COM", "", "COM3"},
        {"[S]\nK=\"a b\"\n", "S", "K", "", "a b"},
        {"[S]\nK='x'\n", "S", "K", "", "x"},
        {"[S]\nK=\"a'\n", "S", "K", "", "\"a'"},
        {"[S]\nK=\"\n", "S", "K", "", "\""},
        {"[S]\nK=\n", "S", "K", "d", ""},
        {"[S]\nOther=1\n", "S", "K", "9600", "9600"},
        {"[S]\n", "S", "K", "9600 \t ", "9600"},
        {"", "S", "K", "  lead", "  lead"},
        {"K=1\n[S]\n", "S", "K", "none", "none"},
        {"[A]\nK=1\n[S]\nK=2\n", "S", "K", "", "2"},
        {"[S]\nX=1\n[T]\nK=9\n[S]\nK=2\n", "S", "K", "", "2"},
        {"[S]\nK=1\nK=2\n", "S", "K", "", "1"},
        {"[S]\n;K=1\nK=2\n", "S", "K", "", "2"},
        {"[Setup\nCOM=COM4\n", "Setup", "COM", "", "COM4"},
        {"[S] trailing\nK=7\n", "S", "K", "", "7"},
        {"[S]\nK\nK=5\n", "S", "K", "", "5"},
        {"[S]\nK=ab\0cd\n"s, "S", "K", "", "ab"},
        {"[S]\nK=a=b\n", "S", "K", "", "a=b"},
        {"[S]\nK=v", "S", "K", "", "v"},
        {"[Copyright]\nCopyRight=c\n", "copyright", "COPYRIGHT", "", "c"},
        {"\xff\xfe\x00\x01[\n]\n=\n==\n[S\n\xff=\xff\n"s, "S", "K", "dflt", "dflt"},
        {"\xEF\xBB\xBF[Setup]\r\nCOM=COM5\r\n", "Setup", "COM", "", "COM5"},
        {"[Setup]\rBaudRate=4800\rCOM=COM6\r", "Setup", "COM", "", "COM6"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProfileString(c.contents, c.section, c.key, c.defaultValue), c.expected)
            << c.contents;
    }
}

TEST(ProfileString, CutsValuesAndDefaultsTo255Bytes) {
    const std::string longValue(300, 'x');
    EXPECT_EQ(ProfileString("[S]\nK=" + longValue + "\n", "S", "K", ""), std::string(255, 'x'));
    EXPECT_EQ(ProfileString("", "S", "K", longValue), std::string(255, 'x'));
    EXPECT_EQ(ProfileString("[S]\nK=" + std::string(255, 'y') + "\n", "S", "K", ""),
              std::string(255, 'y'));
    // A two-byte character across the limit goes whole rather than in half.
    const std::string accented = std::string(254, 'x') + "\xC3\xA9" + "tail";
    EXPECT_EQ(ProfileString("[S]\nK=" + accented + "\n", "S", "K", ""), std::string(254, 'x'));
}

TEST(ProfileString, SurvivesOverlongLinesAndNoLineBreaks) {
    const std::string huge = "[S]" + std::string(1 << 20, ' ') + "K=" + std::string(1 << 20, 'v');
    EXPECT_EQ(ProfileString(huge, "S", "K", "d"), "d");
    const std::string longLine = "[S]\nK=" + std::string(1 << 20, 'v');
    EXPECT_EQ(ProfileString(longLine, "S", "K", "d").size(), kProfileValueLimit);
}

TEST(SetProfileValue, ChangesOnlyTheEntry) {
    const struct {
        std::string contents;
        const char* section;
        const char* key;
        const char* value;
        std::string expected;
    } cases[] = {
        // Replacing: every other line, comments and order stay.
        {"; comment\n[Setup]\nBaudRate=9600\nCOM=COM1\nModel=HT-57\n\n[About]\nSite=x\n", "Setup",
         "COM", "COM3",
         "; comment\n[Setup]\nBaudRate=9600\nCOM=COM3\nModel=HT-57\n\n[About]\nSite=x\n"},
        {"[Setup]\r\nCOM=COM1\r\nX=1\r\n", "Setup", "COM", "\\\\.\\COM12",
         "[Setup]\r\nCOM=\\\\.\\COM12\r\nX=1\r\n"},
        {"[setup]\n  com =  COM1 \n", "Setup", "COM", "COM3", "[setup]\n  com =  COM3\n"},
        {"[S]\nK=1", "S", "K", "2", "[S]\nK=2"},
        {"[A]\nK=1\n[S]\nK=old\n[A]\nK=1\n", "S", "K", "new", "[A]\nK=1\n[S]\nK=new\n[A]\nK=1\n"},
        // Adding a key to its section.
        {"[Setup]\nBaudRate=9600\n\n[About]\nSite=x\n", "Setup", "COM", "COM3",
         "[Setup]\nBaudRate=9600\nCOM=COM3\n\n[About]\nSite=x\n"},
        {"[Setup]\n; note\n[About]\n", "Setup", "COM", "COM3",
         "[Setup]\nCOM=COM3\n; note\n[About]\n"},
        {"[Setup]\r\nA=1\r\n", "Setup", "COM", "COM3", "[Setup]\r\nA=1\r\nCOM=COM3\r\n"},
        {"[Setup]\nA=1", "Setup", "COM", "COM3", "[Setup]\nA=1\nCOM=COM3\n"},
        {"[S]\n[T]\n[S]\nA=1\n", "S", "K", "v", "[S]\nK=v\n[T]\n[S]\nA=1\n"},
        // Adding a section.
        {"[About]\nSite=x\n", "Setup", "COM", "COM3", "[About]\nSite=x\n\n[Setup]\nCOM=COM3\n"},
        {"[About]\r\nSite=x", "Setup", "COM", "COM3",
         "[About]\r\nSite=x\r\n\r\n[Setup]\r\nCOM=COM3\r\n"},
        {"[About]\n\n", "Setup", "COM", "COM3", "[About]\n\n[Setup]\nCOM=COM3\n"},
        {"", " Setup ", " COM ", "COM3", "[Setup]\nCOM=COM3\n"},
        {"\x01\xff junk\n", "S", "K", "v", "\x01\xff junk\n\n[S]\nK=v\n"},
        // A byte-order mark and CR-only line ends stay as the editor left them.
        {"\xEF\xBB\xBF[Setup]\nCOM=COM1\n", "Setup", "COM", "COM3",
         "\xEF\xBB\xBF[Setup]\nCOM=COM3\n"},
        {"[Setup]\rA=1\rCOM=COM1\r", "Setup", "COM", "COM3", "[Setup]\rA=1\rCOM=COM3\r"},
        {"[Setup]\rA=1", "Setup", "COM", "COM3", "[Setup]\rA=1\rCOM=COM3\r"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SetProfileValue(c.contents, c.section, c.key, c.value), c.expected) << c.contents;
    }
}

TEST(SetProfileValue, RefusesEntriesThatWouldBreakTheFile) {
    const struct {
        std::string section;
        std::string key;
        std::string value;
    } cases[] = {
        {"Setup", "COM", "COM3\n[Other]"},
        {"Setup", "COM", "a\rb"},
        {"Setup", "COM", "a\0b"s},
        {"Setup", "K=V", "x"},
        {"Setup", "[x", "x"},
        {"Setup", " ;x", "x"},
        {"Setup", "  ", "x"},
        {"Set]up", "COM", "x"},
        {"Set\nup", "COM", "x"},
        {"Setup", "C\nOM", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(IsWritableProfileEntry(c.section, c.key, c.value)) << c.key << c.value;
        EXPECT_EQ(SetProfileValue("[Setup]\nCOM=1\n", c.section, c.key, c.value), std::nullopt);
    }
}

TEST(SetProfileValue, WrittenValuesReadBack) {
    const std::string files[] = {"", "[Setup]\nCOM=1\n", "[setup]\r\n\r\n", "junk\n[A]\nCOM=9\n",
                                 "[Setup]\nBaudRate=9600"};
    const std::string values[] = {"COM3", "\\\\.\\COM12", "a=b", "x y", "  padded  ", "\"q\""};
    for (const std::string& file : files) {
        for (const std::string& value : values) {
            const auto updated = SetProfileValue(file, "Setup", "COM", value);
            ASSERT_TRUE(updated);
            // What comes back is what a fresh file holding only this entry gives.
            EXPECT_EQ(FindProfileValue(*updated, "SETUP", "com"),
                      FindProfileValue("[Setup]\nCOM=" + value + "\n", "Setup", "COM"));
            EXPECT_EQ(FindProfileValue(*updated, "A", "COM"), FindProfileValue(file, "A", "COM"));
        }
    }
}

}  // namespace
}  // namespace ht57
