// The rules that turn one record of a strings file into a key and a text.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "strings/lang_handler.h"

namespace kvr::strings {
namespace {

struct Parsed {
    int result;
    std::string key;
    std::string text;
};

Parsed parse(const std::string& record) {
    std::array<char, kStringsBufferSize> key;
    std::array<char, kStringsBufferSize> text;
    key.fill('#');
    text.fill('#');
    const int result = ParseStringsRecord(record.data(), record.size(), key.data(), text.data());
    if (result != 0) {
        return {result, {}, {}};
    }
    return {result, key.data(), text.data()};
}

struct Case {
    const char* name;
    std::string record;
    bool yields;
    std::string key;
    std::string text;
};

// Named in reports by its case name; the bytes appear in the failure message.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class RecordRules : public ::testing::TestWithParam<Case> {};

TEST_P(RecordRules, YieldsPairOrSkips) {
    const Case& c = GetParam();
    const Parsed p = parse(c.record);
    if (c.yields) {
        ASSERT_EQ(p.result, 0) << c.record;
        EXPECT_EQ(p.key, c.key);
        EXPECT_EQ(p.text, c.text);
    } else {
        EXPECT_EQ(p.result, 1) << c.record;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Strings, RecordRules,
    ::testing::Values(
        Case{"Plain", R"("Cancel" = "Annuler")", true, "Cancel", "Annuler"},
        Case{"AfterCommentAndBlankLines",
             "\n\n// Dialog texts\n\n// more\n\"Cancel\" = \"Annuler\"", true, "Cancel", "Annuler"},
        Case{"EqualsInKey", R"("a=b" = "c")", false, "", ""},
        Case{"EqualsInText", R"("a" = "b=c")", true, "a", "b=c"},
        Case{"NoEquals", R"("a" "b")", false, "", ""}, Case{"NoText", R"("a" =)", false, "", ""},
        Case{"UnclosedText", R"("a" = "b)", false, "", ""},
        Case{"TextOpensBeforeEquals", R"("a" "b" = "c")", false, "", ""},
        Case{"QuoteInsideKey", R"("a"b" = "c")", false, "", ""},
        Case{"EmptyKeyAndText", R"("" = "")", true, "", ""},
        Case{"SpacesKeptInsideQuotes", " \t\" a \"\t=\n\" b \"  ", true, " a ", " b "},
        Case{"BytesAfterTextIgnored", R"("a" = "b" "c" junk)", true, "a", "b"},
        Case{"Empty", "", false, "", ""}, Case{"BlanksOnly", " \n\t ", false, "", ""},
        // "//" begins a comment wherever it stands, inside quotes too.
        Case{"AddressInText", R"("Site" = "http://example.org")", false, "", ""},
        Case{"AddressThenPairAfterLineFeed", "\"Site\" = \"http://x\"\n\"OK\" = \"Oui\"", true,
             "OK", "Oui"},
        Case{"TrailingCommentEndedByLineFeed", "\"OK\" = \"Oui\" // note\n", true, "OK", "Oui"},
        Case{"TrailingCommentWithoutLineFeed", "\"OK\" = \"Oui\" // note", false, "", ""},
        Case{"PairBeforeCommentWins", "\"a\" = \"1\" // x\n\"b\" = \"2\"", true, "a", "1"},
        Case{"CommentSplitsPair", "\"a\" = // x\n \"b\"", false, "", ""},
        Case{"SecondCommentWithoutLineFeed", "// x\n\"a\" = \"b\" // y", false, "", ""},
        Case{"SeveralComments", "// x\n// y\n\t// z\n\"a\" = \"b\"", true, "a", "b"},
        Case{"LineBreaksBetweenParts", "\"a\"\n=\n\"b\"", true, "a", "b"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(StringsRecord, ExaminesOnlyTheGivenLength) {
    const std::string record = R"("a" = "b" // ignored tail)";
    std::array<char, kStringsBufferSize> key;
    std::array<char, kStringsBufferSize> text;
    EXPECT_EQ(ParseStringsRecord(record.data(), 9, key.data(), text.data()), 0);
    EXPECT_STREQ(text.data(), "b");
    EXPECT_EQ(ParseStringsRecord(record.data(), 8, key.data(), text.data()), 1);
}

TEST(StringsRecord, RefusesKeyOrTextThatWouldNotFitTheBuffers) {
    const std::string longPart(kStringsBufferSize, 'x');
    EXPECT_EQ(parse("\"" + longPart + "\" = \"t\"").result, 1);
    EXPECT_EQ(parse("\"k\" = \"" + longPart + "\"").result, 1);
    const std::string longest(kStringsBufferSize - 1, 'x');
    EXPECT_EQ(parse("\"" + longest + "\" = \"" + longest + "\"").key, longest);
}

}  // namespace
}  // namespace kvr::strings
