// Reading a whole strings file into the language handler's tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "strings/lang_handler.h"
#include "temp_dir.h"
#include "text/wide_string.h"

namespace kvr::strings {
namespace {

using Table = std::map<std::string, std::string>;
using text::WideString;

// The pairs of the UTF-8 table, as plain strings.
Table contents(LangHandler& handler) {
    Table pairs;
    for (const auto& [key, text] : handler.tables().utf8Pairs()) {
        pairs.emplace(key, text);
    }
    return pairs;
}

class StringsFileReader : public ::testing::Test {
protected:
    // Reads bytes as a strings file into handler; returns ReadStringsFile's result.
    int read(const std::string& bytes) {
        return handler.ReadStringsFile(dir.write("kvr.strings", bytes));
    }

    // Checks utf8Texts and that wideTexts holds the same pairs in UTF-16.
    void expectTables(const Table& expected) {
        EXPECT_EQ(contents(handler), expected);
        ASSERT_EQ(handler.tables().wideSize(), expected.size());
        for (const auto& [key, text] : expected) {
            const auto wide = handler.tables().findWide(key);
            ASSERT_TRUE(wide) << key;
            EXPECT_EQ(*wide, text::utf8ToWide(text)) << key;
        }
    }

    unit::TempDir dir;
    LangHandler handler;
};

TEST_F(StringsFileReader, ReadsRecordsBetweenCommentsAndTheLastOneWithoutSemicolon) {
    ASSERT_EQ(read("\xEF\xBB\xBF// French texts\n"
                   "// for the dialogs\n\n"
                   "\"Cancel\" = \"Annuler\";\n"
                   "\"Angle:\" = \"Angle\xC2\xA0:\"; // trailing comment\n"
                   "\n\"\xC2\xB0\" = \"deg\";;;\n"
                   "\"Bad\" = \"\xFF\xC3(\xF0\x9F\x98\x80\";\n"
                   "\"OK\" = \"D'accord\"\n"),
              0);
    // Each UTF-16 text, converted on its first lookup, is what converting the
    // file's text would give, invalid bytes and a character beyond U+FFFF too.
    expectTables({{"Cancel", "Annuler"},
                  {"Angle:", "Angle\xC2\xA0:"},
                  {"\xC2\xB0", "deg"},
                  {"Bad", "\xFF\xC3(\xF0\x9F\x98\x80"},
                  {"OK", "D'accord"}});
    EXPECT_EQ(WideString(handler.GetWideString("Bad")),
              (WideString{0xFFFD, 0xFFFD, '(', 0xD83D, 0xDE00}));
}

TEST_F(StringsFileReader, SkipsBrokenRecordsAndGoesOn) {
    ASSERT_EQ(read("\"a=b\" = \"x\";\n"
                   "\"Site\" = \"http://example.org\";\n"
                   "\"semi;colon\" = \"x\";\n"
                   "\"Help\" = \"Aide\";"),
              0);
    expectTables({{"Help", "Aide"}});
}

TEST_F(StringsFileReader, FirstOccurrenceOfAKeyWinsInBothTables) {
    ASSERT_EQ(read("\"OK\" = \"first\";\"OK\" = \"second\";\"OK\" = \"\";"), 0);
    expectTables({{"OK", "first"}});
}

TEST_F(StringsFileReader, ARecordTooLongIsSkippedAloneWherever) {
    const auto record = [](std::size_t length) {
        std::string r = "\"k" + std::to_string(length) + "\" = \"";
        r += std::string(length - r.size() - 1, 'x');
        return r + "\"";
    };
    const std::string longest = record(kStringsBufferSize - 1);
    // Beyond its first 1023 bytes, this one reads like a pair after a comment.
    const std::string hidesAPair = record(1500) + " // \n\"hidden\" = \"pair\"";
    ASSERT_EQ(read("\"before\" = \"1\";" + record(kStringsBufferSize) + ";" + longest + ";" +
                   hidesAPair + ";\"after\" = \"2\";" + record(3000)),
              0);
    expectTables({{"before", "1"},
                  {"k1023", std::string(kStringsBufferSize - 1 - 12, 'x')},
                  {"after", "2"}});
}

TEST_F(StringsFileReader, ReadsCrLfAsOneLineFeed) {
    // A CR LF pair ends a comment, stands for one line feed inside quotes and
    // counts as one byte of a record; a lone CR is an ordinary byte.
    const std::size_t lineFeedCount = kStringsBufferSize - 1 - 13;  // read as 1023 bytes
    std::string padded = "\"padded\" = \"";
    for (std::size_t i = 0; i < lineFeedCount; ++i) {
        padded += "\r\n";
    }
    ASSERT_EQ(read("// header\r\n\"Two\r\nlines\" = \"Deux\r\nlignes\";\r\n"
                   "// note\r\n\"Lone\rCR\" = \"x\r\r\n\";" +
                   padded + "\";"),
              0);
    expectTables({{"Two\nlines", "Deux\nlignes"},
                  {"Lone\rCR", "x\r\n"},
                  {"padded", std::string(lineFeedCount, '\n')}});
}

TEST_F(StringsFileReader, ReadsCrLfThatStraddlesAReadBoundary) {
    for (std::size_t boundary : {4096u, 8192u, 16384u, 32768u, 65536u}) {
        LangHandler fresh;
        // Empty records, then a key whose CR is the last byte before the boundary.
        const std::string bytes = std::string(boundary - 3, ';') + "\"a\r\nb\" = \"x\";";
        ASSERT_EQ(fresh.ReadStringsFile(dir.write("straddle.strings", bytes)), 0);
        EXPECT_EQ(contents(fresh), (Table{{"a\nb", "x"}})) << "boundary " << boundary;
    }
}

TEST_F(StringsFileReader, RecordsCutByTheEndOfAReadBlockAreReadWhole) {
    // The longest records that fit: 2,041 bytes of which CR LF pairs make
    // 1,023 (a key and a text of line feeds), 1,023 plain bytes; and one just
    // too long. Each is cut by the 64 KiB mark at several places, the last
    // with the whole record before it; the records after them are read.
    const std::size_t pairs = kStringsBufferSize - 1 - 6;
    std::string crLfs = "\"\r\n\"=\"";
    for (std::size_t i = 0; i < pairs; ++i) {
        crLfs += "\r\n";
    }
    crLfs += "\"";
    const std::string plain = "\"plain\" = \"" + std::string(kStringsBufferSize - 14, 'p') + "\"";
    const std::string tooLong = "\"long\" = \"" + std::string(kStringsBufferSize - 11, 'x') + "\"";
    const std::string* const records[] = {&crLfs, &plain, &tooLong};
    for (const std::string* record : records) {
        for (std::size_t before : {std::size_t{1}, std::size_t{511}, std::size_t{1023},
                                   std::size_t{1024}, record->size()}) {
            LangHandler fresh;
            const std::string bytes =
                std::string(65536 - before, ';') + *record + ";\"after\" = \"2\"";
            ASSERT_EQ(fresh.ReadStringsFile(dir.write("cut.strings", bytes)), 0);
            const std::size_t kept = record == &tooLong ? 1 : 2;
            EXPECT_EQ(fresh.tables().utf8Size(), kept) << record->size() << " " << before;
            EXPECT_EQ(fresh.GetUtf8String("after"), std::string("2"));
        }
    }
    ASSERT_EQ(read(crLfs + ";" + plain), 0);
    expectTables(
        {{"\n", std::string(pairs, '\n')}, {"plain", std::string(kStringsBufferSize - 14, 'p')}});
}

TEST_F(StringsFileReader, AFileOfManyBytesButFewTextsTakesLittleMemory) {
    // 256 MiB, nearly all of it a hole of zeros after one pair: the tables
    // hold that pair, not room for the millions of records the size suggests.
    const std::string path = dir.write("sparse.strings", "\"OK\" = \"Oui\";");
    std::filesystem::resize_file(path, std::uintmax_t{256} << 20);
    ASSERT_EQ(handler.ReadStringsFile(path), 0);
    expectTables({{"OK", "Oui"}});
    EXPECT_LT(handler.tables().bytesHeld(), std::size_t{2} << 20);
}

TEST_F(StringsFileReader, FilesWithoutPairsLeaveTheTablesEmpty) {
    EXPECT_EQ(read(""), 0);
    EXPECT_EQ(read(";;;\n;"), 0);
    EXPECT_EQ(read("\xEF\xBB\xBF// only a comment\n"), 0);
    expectTables({});
}

TEST_F(StringsFileReader, AFileWithoutSemicolonIsOneRecord) {
    ASSERT_EQ(read("// one record\n\"a\" = \"b\"\n\"c\" = \"d\"\n"), 0);
    expectTables({{"a", "b"}});
}

TEST_F(StringsFileReader, OpensAPathGivenInUtf8) {
    // "Übersetzung 日本.strings": no single-byte code page holds all of it.
    const std::string path =
        dir.write(std::filesystem::u8path("\xC3\x9C"
                                          "bersetzung \xE6\x97\xA5\xE6\x9C\xAC.strings"),
                  "\"OK\" = \"\xE3\x81\xAF\xE3\x81\x84\"");
    ASSERT_EQ(handler.ReadStringsFile(path), 0);
    expectTables({{"OK", "\xE3\x81\xAF\xE3\x81\x84"}});
}

TEST_F(StringsFileReader, ReportsAFileThatCannotBeReadAndLeavesTheTables) {
    handler.AddText("kept", "yes");
    EXPECT_EQ(handler.ReadStringsFile((dir.path() / "missing.strings").u8string()), 1);
    EXPECT_EQ(handler.ReadStringsFile(dir.path().u8string()), 1);
    EXPECT_EQ(handler.ReadStringsFile(""), 1);
    // A NUL would cut the path short and open another file.
    const std::string real = dir.write("real", "\"a\" = \"b\"");
    EXPECT_EQ(handler.ReadStringsFile(real + std::string("\0.strings", 9)), 1);
    expectTables({{"kept", "yes"}});
}

}  // namespace
}  // namespace kvr::strings
