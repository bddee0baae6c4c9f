#include <gtest/gtest.h>

#include "model/CsvText.h"

namespace ht57 {
namespace {

using Fields = std::vector<std::string>;

struct ExpectedRow {
    int line;
    Fields fields;
    bool unterminated = false;
};

TEST(ParseCsv, SplitsRecordsAsSpreadsheetsWriteThem) {
    const struct {
        const char* name;
        std::string text;
        std::vector<ExpectedRow> rows;
    } cases[] = {
        {"LF", "a,b\n1,2\n", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"CRLF without final break", "a,b\r\n1,2", {{1, {"a", "b"}}, {2, {"1", "2"}}}},
        {"lone CR", "a\r1\r", {{1, {"a"}}, {2, {"1"}}}},
        {"byte-order mark", "\xEF\xBB\xBFLocation,Name\n", {{1, {"Location", "Name"}}}},
        {"blank and comment lines",
         "# made by hand\n\na\n\r\n# 1,2\nb\n",
         {{3, {"a"}}, {6, {"b"}}}},
        {"empty fields kept", ",,\n", {{1, {"", "", ""}}}},
        {"quoted comma and quote",
         "1,\"Capitol Hill, \"\"CH\"\"\",x\n",
         {{1, {"1", "Capitol Hill, \"CH\"", "x"}}}},
        {"quoted line break counts lines",
         "\"two\nlines\",b\nnext\n",
         {{1, {"two\nlines", "b"}}, {3, {"next"}}}},
        {"blanks are kept", " A B ,\" C\"\n", {{1, {" A B ", " C"}}}},
        {"quote inside a field is literal", "5\"x,y\n", {{1, {"5\"x", "y"}}}},
        {"hash after the start is data", "a,#b\n", {{1, {"a", "#b"}}}},
        {"unterminated quote", "1,\"open\n2\n", {{1, {"1", "open\n2\n"}, true}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<CsvRow> rows = ParseCsv(c.text);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].line, c.rows[i].line) << i;
            EXPECT_EQ(rows[i].fields, c.rows[i].fields) << i;
            EXPECT_EQ(rows[i].unterminatedQuote, c.rows[i].unterminated) << i;
        }
    }
}

TEST(CsvLine, QuotesOnlyWhatAReaderWouldMisreadAndReadsBack) {
    const struct {
        Fields fields;
        const char* line;
    } cases[] = {
        {{"1", "ABC", ""}, "1,ABC,\r\n"},           {{"a,b"}, "\"a,b\"\r\n"},
        {{"say \"hi\""}, "\"say \"\"hi\"\"\"\r\n"}, {{" AB", "CD "}, "\" AB\",\"CD \"\r\n"},
        {{"two\nlines"}, "\"two\nlines\"\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CsvLine(c.fields), c.line);
        const auto rows = ParseCsv(CsvLine(c.fields));
        ASSERT_EQ(rows.size(), 1u) << c.line;
        EXPECT_EQ(rows[0].fields, c.fields) << c.line;
    }
}

}  // namespace
}  // namespace ht57
