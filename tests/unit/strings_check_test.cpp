// The checker on files with one mistake each: what it reports, where, and
// whether the module loses a text by it. The pairs it says the module keeps
// come from the module's reader; these tests pin the explanations.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/module_texts.h"
#include "strings/lang_handler.h"
#include "temp_dir.h"
#include "translators/replace_file.h"
#include "translators/strings_check.h"
#include "translators/strings_template.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kvr::translators {
namespace {

struct Expected {
    std::string file;
    int line;
    int column;
    Finding finding;
    const char* wording;  // part of the message
    int exitStatus;
};

CheckResult check(const unit::TempDir& dir, const std::string& bytes) {
    return checkStringsFile(dir.write("kvr.strings", bytes));
}

TEST(StringsCheck, ReportsEachMistakeWhereItIs) {
    const Expected cases[] = {
        {"\"OK\" = \"D'accord\";\n\"Cancel\" = \"Annuler\" // note;\n", 2, 22, Finding::skipped,
         "runs up to the ';'", 1},
        {"// links\n\"Help Page\" = \"Aide, voir http://x\";\n", 2, 32, Finding::cut,
         "inside quotes", 1},
        {"\"Help Page\" = \"http://x\" // link\n\"OK\" = \"Oui\";", 1, 21, Finding::cut,
         "text is cut there", 1},
        {"\"OK\" = \"a\";\r\n\"Update mode:\" = \"Mode ; suite\";\r\n", 2, 18, Finding::skipped,
         "a text cannot hold ';': the ';' at 2:24 ends the record inside the quotes", 1},
        {"\"OK;\" = \"Oui\";", 1, 1, Finding::skipped, "a key cannot hold ';'", 1},
        {"\"a=b\" = \"c\";", 1, 3, Finding::skipped, "the key holds \"=\"", 1},
        {"\"OK\"  \"Oui\";", 1, 5, Finding::skipped, "no \"=\"", 1},
        {"\"OK\" = \"Oui;", 1, 8, Finding::skipped, "closing quote", 1},
        {"\"OK\" = \"Oui\"\n\"Cancel\" = \"Annuler\";", 2, 1, Finding::ignored, "a ';' is missing",
         1},
        {"\"OK\" = \"Oui\" // a\n\"Cancel\" = \"Annuler\";", 2, 1, Finding::ignored,
         "a ';' is missing", 1},
        {"\"Cancel\" = \"Annuler\";\n\n  \"Cancel\" = \"Abandon\";", 3, 3, Finding::duplicate,
         "line 1, wins with \"Annuler\"", 1},
        {"\"Cancel\" = \"Annuler\";\"Cancel\" = \"Annuler\";", 1, 22, Finding::duplicate,
         "the same text", 0},
        {"\xC3\xA9t\xC3\xA9;\n\"ok \" = \"Oui\";", 2, 1, Finding::nearMiss,
         "the module looks up \"OK\"", 0},
        {"// \xC3\xA0\n\"Update Mode :\" = \"x\";", 2, 1, Finding::nearMiss, "\"Update mode:\"", 0},
        {"// long\n\"OK\" = \"" + std::string(1100, 'x') + "\";\n\"Cancel\" = \"Annuler\";", 2, 1,
         Finding::skipped, "1117 bytes long", 1},
    };
    unit::TempDir dir;
    for (const Expected& e : cases) {
        SCOPED_TRACE(e.file.substr(0, 80));
        const CheckResult result = check(dir, e.file);
        ASSERT_TRUE(result.readable);
        ASSERT_EQ(result.diagnostics.size(), 1u) << formatText("f", result);
        const Diagnostic& d = result.diagnostics.front();
        EXPECT_EQ(d.at.line, e.line);
        EXPECT_EQ(d.at.column, e.column);
        EXPECT_EQ(d.finding, e.finding);
        EXPECT_NE(d.message.find(e.wording), std::string::npos) << d.message;
        if (std::string(e.wording).find("cannot hold ';'") != std::string::npos) {
            EXPECT_EQ(d.message.rfind(e.wording, 0), 0u) << "the ';' is named first";
        }
        EXPECT_EQ(result.exitStatus(), e.exitStatus);
    }
}

TEST(StringsCheck, IsQuietWhereNothingIsLost) {
    // A ';' inside a comment, a comment after the ';', blank records and a
    // last record without ';' lose nothing.
    unit::TempDir dir;
    const CheckResult result =
        check(dir, "// one; two\n\"OK\" = \"Oui\"; // after\n;;\n\"Cancel\" = \"Non\"");
    EXPECT_TRUE(result.diagnostics.empty()) << formatText("f", result);
    EXPECT_EQ(result.exitStatus(), 0);
    ASSERT_EQ(result.pairs.size(), 2u);
    EXPECT_EQ(result.pairs[1].key, "Cancel");
    EXPECT_EQ(result.pairs[1].at.line, 4);
}

TEST(StringsCheck, CountsTranslatedMissingAndOtherKeys) {
    unit::TempDir dir;
    const CheckResult result =
        check(dir, "\"OK\" = \"Oui\";\"Sorvane\" = \"S\";\"Plug-in text\" = \"x\";");
    EXPECT_EQ(result.translated, 2);
    EXPECT_EQ(result.total, static_cast<int>(texts::translatableKeys().size()));
    EXPECT_EQ(result.otherKeys, 1);
    const auto& error = result.missingByDialog.at("Error box");
    EXPECT_EQ(error, std::vector<std::string>{"Sorvane Error"});
    // A web address is no missing text: no file can translate one.
    for (const auto& [dialog, keys] : result.missingByDialog) {
        for (const std::string& key : keys) {
            EXPECT_EQ(key.find("//"), std::string::npos) << dialog;
        }
    }
    EXPECT_NE(formatText("f", result)
                  .find("f: 2/" + std::to_string(result.total) + " module texts translated"),
              std::string::npos);
    EXPECT_EQ(check(dir, "").exitStatus(), 0);
    EXPECT_EQ(checkStringsFile((dir.path() / "absent").string()).exitStatus(), 2);
    EXPECT_EQ(checkStringsFile(dir.path().string()).exitStatus(), 2);
}

// The module's reading of a file: its handler, through its lookups.
struct ModuleReading {
    explicit ModuleReading(const std::string& path) { handler.ReadStringsFile(path); }
    std::string text(const char* key) { return handler.GetUtf8String(key); }
    strings::LangHandler handler;
};

TEST(StringsTemplate, RoundTrips) {
    unit::TempDir dir;
    // The full template: every module text once, standing for itself.
    const std::string full = dir.write("full.strings", writeTemplate());
    const CheckResult fresh = checkStringsFile(full);
    EXPECT_TRUE(fresh.diagnostics.empty()) << formatText("full", fresh);
    // Nothing in it is translated yet: every text is the same as English.
    EXPECT_EQ(fresh.translated, 0);
    EXPECT_EQ(fresh.sameAsEnglish.size(), static_cast<std::size_t>(fresh.total));
    const std::string n = std::to_string(fresh.total);
    EXPECT_NE(formatText("f", fresh)
                  .find("f: 0/" + n + " module texts translated, " + n +
                        " same as English, 0 not in the file"),
              std::string::npos);
    ASSERT_EQ(fresh.pairs.size(), texts::translatableKeys().size());
    for (const KeptPair& pair : fresh.pairs) {
        EXPECT_EQ(pair.key, pair.text);
    }
    // A translated file with a comment, a plug-in key and an open last
    // record keeps all of them and gains the rest.
    const std::string partial =
        "// mine\n\"OK\" = \"Oui\";\n\"Plug-in text\" = \"Texte\";\n\"Cancel\" = \"Annuler\" ";
    const auto extended = extendStringsFile(dir.write("partial.strings", partial));
    ASSERT_TRUE(extended.has_value());
    EXPECT_EQ(extended->substr(0, partial.size()), partial);
    const std::string out = dir.write("extended.strings", *extended);
    ModuleReading module(out);
    EXPECT_EQ(module.text("OK"), "Oui");
    EXPECT_EQ(module.text("Cancel"), "Annuler");
    EXPECT_EQ(module.text("Plug-in text"), "Texte");
    const CheckResult extendedCheck = checkStringsFile(out);
    EXPECT_EQ(extendedCheck.translated, 2);
    EXPECT_EQ(extendedCheck.translated + static_cast<int>(extendedCheck.sameAsEnglish.size()),
              extendedCheck.total);
    EXPECT_EQ(extendedCheck.exitStatus(), 0);
    // A complete file comes back unchanged: same bytes, same pairs.
    const auto again = extendStringsFile(out);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(*again, *extended);
    EXPECT_FALSE(extendStringsFile((dir.path() / "absent").string()).has_value());
}

// What is not UTF-8 is named by its encoding, not by the records it spoils.
TEST(StringsCheck, NamesWhatIsNotUtf8) {
    unit::TempDir dir;
    // UTF-16 as Notepad's "Unicode" writes it, and without its mark: one
    // finding, not a duplicate key for every record.
    std::string utf16;
    for (char c : std::string("\"OK\" = \"Oui\";\n\"Cancel\" = \"Annuler\";\n")) {
        utf16 += c;
        utf16 += '\0';
    }
    for (const std::string& bytes : {"\xFF\xFE" + utf16, utf16, utf16.substr(1) + '\0'}) {
        const CheckResult result = check(dir, bytes);
        ASSERT_EQ(result.diagnostics.size(), 1u) << formatText("f", result);
        EXPECT_EQ(result.diagnostics[0].finding, Finding::encoding);
        EXPECT_NE(result.diagnostics[0].message.find("UTF-16"), std::string::npos);
        EXPECT_EQ(result.translated, 0);
        EXPECT_EQ(result.exitStatus(), 1);
    }
    // A UTF-8 byte-order mark stands before the first key's quote: the
    // module's reader keeps it out of the key, and the checker says so.
    const std::string bom = dir.write("bom.strings", "\xEF\xBB\xBF\"OK\" = \"Oui\";");
    const CheckResult withBom = checkStringsFile(bom);
    ASSERT_EQ(withBom.diagnostics.size(), 1u);
    EXPECT_NE(withBom.diagnostics[0].message.find("does not hold it"), std::string::npos);
    EXPECT_EQ(withBom.exitStatus(), 0);
    EXPECT_EQ(withBom.translated, 1);
    strings::LangHandler module;
    module.ReadStringsFile(bom);
    EXPECT_STREQ(module.GetUtf8String("OK"), "Oui");
    // Every invalid sequence, where an editor shows it: Latin-1 letters, a
    // sequence cut short, an overlong form, a stray continuation byte.
    const CheckResult latin1 = check(dir,
                                     "\"Angle:\" = \"\xC9"
                                     "cart \xC3\xA0 l'\xE9t\xE9:\";\n"
                                     "\"OK\" = \"\xE2\x82\";\"Cancel\" = \"\xC0\xAF \xA9\";");
    std::vector<std::string> found;
    for (const Diagnostic& d : latin1.diagnostics) {
        EXPECT_EQ(d.finding, Finding::encoding);
        const std::size_t plural = d.message.find(" are not");
        found.push_back(
            std::to_string(d.at.line) + ":" + std::to_string(d.at.column) + " " +
            d.message.substr(0, plural != std::string::npos ? plural : d.message.find(" is not")));
    }
    EXPECT_EQ(found,
              (std::vector<std::string>{"1:13 byte C9", "1:23 byte E9", "1:25 byte E9",
                                        "2:9 bytes E2 82", "2:25 bytes C0 AF", "2:28 byte A9"}));
    EXPECT_NE(latin1.diagnostics[0].message.find("\"\xC3\x89\" in Latin-1"), std::string::npos);
    EXPECT_EQ(latin1.exitStatus(), 1);
    EXPECT_NE(formatText("f", latin1).find("6 encoding faults"), std::string::npos);
}

// A text worded as its key is not a translation: counted apart and listed.
TEST(StringsCheck, CountsSameAsEnglishApart) {
    unit::TempDir dir;
    const CheckResult result =
        check(dir, "\"OK\" = \"OK\";\n\"Cancel\" = \"Annuler\";\n\"Mine\" = \"Mine\";");
    EXPECT_EQ(result.translated, 1);
    ASSERT_EQ(result.sameAsEnglish.size(), 1u);  // a plug-in's key is not counted
    EXPECT_EQ(result.sameAsEnglish[0].key, "OK");
    EXPECT_EQ(result.exitStatus(), 0);
    const std::string text = formatText("f", result);
    EXPECT_NE(text.find("f:1:1: same as English: \"OK\"\n"), std::string::npos) << text;
    const std::string rest = std::to_string(result.total - 2);
    EXPECT_NE(text.find("f: 1/" + std::to_string(result.total) +
                        " module texts translated, 1 same as English, " + rest +
                        " not in the file; 0 texts lost, 0 texts shadowed\n"),
              std::string::npos)
        << text;
    EXPECT_NE(formatJson("f", result).find("\"sameAsEnglish\":[{\"key\":\"OK\",\"line\":1"),
              std::string::npos);
}

#if !defined(_WIN32)
// The file is replaced whole or not at all, and keeps what it was.
TEST(ReplaceFile, WritesBesideAndRenames) {
    unit::TempDir dir;
    const std::string target = dir.write("kvr.strings", "old");
    ::chmod(target.c_str(), 0640);
    const std::string link = (dir.path() / "link.strings").string();
    ASSERT_EQ(::symlink("kvr.strings", link.c_str()), 0);
    EXPECT_EQ(replaceFile(link, "new bytes"), "");
    EXPECT_EQ(readStringsFileBytes(target), "new bytes");
    struct stat status {};
    ASSERT_EQ(::lstat(link.c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    // A new file, and a failure that leaves nothing behind.
    EXPECT_EQ(replaceFile((dir.path() / "new.strings").string(), ""), "");
    EXPECT_EQ(readStringsFileBytes((dir.path() / "new.strings").string()), "");
    EXPECT_NE(replaceFile((dir.path() / "no" / "such.strings").string(), "x"), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3);
}
#endif

}  // namespace
}  // namespace kvr::translators
