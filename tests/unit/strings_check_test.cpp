// The checker on files with one mistake each: what it reports, where, and
// whether the module loses a text by it. The pairs it says the module keeps
// come from the module's reader; these tests pin the explanations.
#include <gtest/gtest.h>

#include <string>

#include "catalogue/module_texts.h"
#include "strings/lang_handler.h"
#include "temp_dir.h"
#include "translators/strings_check.h"
#include "translators/strings_template.h"

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
         "the ';' at 2:24 ends the record inside the quotes", 1},
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
        EXPECT_EQ(result.exitStatus(), e.exitStatus);
    }
}

TEST(StringsCheck, IsQuietWhereNothingIsLost) {
    // A ';' inside a comment, a comment after the ';', a byte-order mark,
    // blank records and a last record without ';' lose nothing.
    unit::TempDir dir;
    const CheckResult result =
        check(dir, "\xEF\xBB\xBF// one; two\n\"OK\" = \"Oui\"; // after\n;;\n\"Cancel\" = \"Non\"");
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
    EXPECT_EQ(fresh.translated, fresh.total);
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
    EXPECT_EQ(extendedCheck.translated, extendedCheck.total);
    EXPECT_EQ(extendedCheck.exitStatus(), 0);
    // A complete file comes back unchanged: same bytes, same pairs.
    const auto again = extendStringsFile(out);
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(*again, *extended);
    EXPECT_FALSE(extendStringsFile((dir.path() / "absent").string()).has_value());
}

}  // namespace
}  // namespace kvr::translators
