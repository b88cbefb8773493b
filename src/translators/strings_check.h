// Checks a strings file the way the module reads it. The records come from
// the module's own record reader and each is parsed by the module's own
// ParseStringsRecord, so the pairs reported as kept are the module's; what the
// checker adds is where each record lies in the file and why a text it holds
// is lost. Before the records, the file's encoding: what is not UTF-8 is
// named as such.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kvr::translators {

struct Position {
    int line = 1;
    int column = 1;  // in characters (UTF-8 sequences) from the line's start
};

enum class Finding {
    encoding,   // not UTF-8: UTF-16, a byte-order mark, an invalid sequence
    skipped,    // a record holding a text the module passes over
    cut,        // a "//" inside quotes started a comment
    ignored,    // a pair after the record's first, or beyond a missing ';'
    duplicate,  // a key seen before: the earlier text wins
    nearMiss,   // not a module text, but one in all but case, spaces, punctuation
};

const char* findingName(Finding finding);

struct Diagnostic {
    Position at;
    Finding finding;
    std::string message;
    bool losesText;  // counts for the exit status
};

struct KeptPair {
    std::string key;
    std::string text;
    Position at;  // the key's opening quote
};

struct CheckResult {
    bool readable = false;
    std::vector<Diagnostic> diagnostics;  // in file order
    std::vector<KeptPair> pairs;          // what the module keeps, first text of each key
    std::vector<KeptPair> sameAsEnglish;  // module texts whose text is their key
    std::map<std::string, std::vector<std::string>> missingByDialog;
    std::vector<std::string> dialogOrder;  // the catalogue's order of dialogs
    int otherKeys = 0;                     // kept keys that are no module text
    int translated = 0;                    // module texts given another wording
    int total = 0;                         // module texts a file can translate

    // 0 nothing lost, 1 a record skipped, a text shadowed or a byte not
    // UTF-8, 2 unreadable.
    int exitStatus() const;
};

CheckResult checkStringsFile(const std::string& path);

// The file's bytes, opened as the module opens it (a UTF-8 path, a regular
// file only), or nothing when it cannot be read.
std::optional<std::string> readStringsFileBytes(const std::string& path);

// Prints the result as FILE:LINE:COLUMN lines and a summary, or as one JSON
// document.
std::string formatText(const std::string& path, const CheckResult& result);
std::string formatJson(const std::string& path, const CheckResult& result);

}  // namespace kvr::translators
