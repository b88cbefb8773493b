// UTF-8 and UTF-16 conversion: on Linux the stand-in for the platform's
// converters, which must give the same results, U+FFFD included.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "text/wide_string.h"

namespace kvr::text {
namespace {

constexpr WideChar R = 0xFFFD;

struct Case {
    const char* name;
    std::string utf8;
    WideString wide;
};

// Named in reports by its case name; the bytes appear in the failure message.
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class Utf8ToWide : public ::testing::TestWithParam<Case> {};

TEST_P(Utf8ToWide, Converts) {
    EXPECT_EQ(utf8ToWide(GetParam().utf8), GetParam().wide);
}

INSTANTIATE_TEST_SUITE_P(
    Text, Utf8ToWide,
    ::testing::Values(
        Case{"Empty", "", {}},
        Case{"BasicPlane", "A\xC3\xA9\xE2\x82\xAC\xEF\xBF\xBF", {'A', 0xE9, 0x20AC, 0xFFFF}},
        Case{"SupplementaryPlanes",
             "\xF0\x90\x80\x80\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
             {0xD800, 0xDC00, 0xD83D, 0xDE00, 0xDBFF, 0xDFFF}},
        Case{"EmbeddedNul", std::string("a\0b", 3), {'a', 0, 'b'}},
        Case{"LoneContinuationBytes", "\x80\xBF", {R, R}},
        Case{"BytesNeverInUtf8", "\xC0\xC1\xF5\xFF", {R, R, R, R}},
        // A lead byte and the continuation bytes read before the sequence
        // showed itself invalid make one replacement (the Windows converter's
        // rule, as the Wine lane shows it).
        Case{"OverlongForms", "\xC0\xAF\xE0\x80\xAF", {R, R, R, R}},
        Case{"EncodedSurrogate", "\xED\xA0\x80", {R, R}},
        Case{"BeyondU10FFFF", "\xF4\x90\x80\x80", {R, R, R}},
        Case{"CutOffByTheEndSwallowsTheRest", "x\xF0\x41", {'x', R}},
        Case{"TruncatedThenAscii",
             "\xE2\x82"
             "A\xF0\x9F\x98"
             "B",
             {R, 'A', R, 'B'}},
        Case{"TruncatedAtEnd", "x\xF0\x9F\x98", {'x', R}},
        // The example of maximal subparts from the Unicode standard (3.9),
        // on which the two rules agree.
        Case{"MaximalSubparts",
             "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
             {0x61, R, R, R, 0x62, R, 0x63, R, R, 0x64}}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(WideToUtf8, RoundTripsValidText) {
    const std::string utf8 = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF";
    EXPECT_EQ(wideToUtf8(utf8ToWide(utf8)), utf8);
}

TEST(WideToUtf8, ReplacesUnpairedSurrogates) {
    const std::string r = "\xEF\xBF\xBD";
    EXPECT_EQ(wideToUtf8(WideString{0xD83D}), r);
    EXPECT_EQ(wideToUtf8(WideString{0xDE00, 'a'}), r + "a");
    EXPECT_EQ(wideToUtf8(WideString{0xD83D, 'a', 0xD83D, 0xDE00}), r + "a\xF0\x9F\x98\x80");
    EXPECT_EQ(wideToUtf8(WideString{0xDE00, 0xD83D}), r + r);
}

}  // namespace
}  // namespace kvr::text
