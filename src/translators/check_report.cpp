#include <cstdio>
#include <string>

#include "translators/json_text.h"
#include "translators/strings_check.h"

namespace kvr::translators {

namespace {

std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "2/50 module texts translated, 3 same as English, 45 not in the file; 4
// texts lost, 1 text shadowed", and the encoding faults when there are any.
std::string summary(const CheckResult& result) {
    int skipped = 0;
    int shadowed = 0;
    int notUtf8 = 0;
    for (const Diagnostic& d : result.diagnostics) {
        if (!d.losesText) {
            continue;
        }
        ++(d.finding == Finding::duplicate  ? shadowed
           : d.finding == Finding::encoding ? notUtf8
                                            : skipped);
    }
    const int same = static_cast<int>(result.sameAsEnglish.size());
    std::string out = std::to_string(result.translated) + "/" + std::to_string(result.total) +
                      " module texts translated, " + std::to_string(same) + " same as English, " +
                      std::to_string(result.total - result.translated - same) +
                      " not in the file; " + counted(skipped, "text", "texts") + " lost, " +
                      counted(shadowed, "text", "texts") + " shadowed";
    if (notUtf8 != 0) {
        out += ", " + counted(notUtf8, "encoding fault", "encoding faults");
    }
    return out;
}

std::string quotedList(const std::vector<std::string>& keys) {
    std::string out;
    for (const std::string& key : keys) {
        out += (out.empty() ? "\"" : ", \"") + key + "\"";
    }
    return out;
}

}  // namespace

std::string formatText(const std::string& path, const CheckResult& result) {
    if (!result.readable) {
        return path + ": cannot be read\n";
    }
    std::string out;
    for (const Diagnostic& d : result.diagnostics) {
        out += path + ":" + std::to_string(d.at.line) + ":" + std::to_string(d.at.column) + ": " +
               findingName(d.finding) + ": " + d.message + "\n";
    }
    for (const KeptPair& p : result.sameAsEnglish) {
        out += path + ":" + std::to_string(p.at.line) + ":" + std::to_string(p.at.column) +
               ": same as English: \"" + p.key + "\"\n";
    }
    for (const std::string& dialog : result.dialogOrder) {
        const auto& missing = result.missingByDialog.at(dialog);
        if (!missing.empty()) {
            out += path + ": not in the file, " + dialog + ": " + quotedList(missing) + "\n";
        }
    }
    if (result.otherKeys != 0) {
        out += path + ": " + std::to_string(result.otherKeys) +
               (result.otherKeys == 1 ? " key is" : " keys are") +
               " not a module text (the plug-in's own texts, looked up with GetString, or "
               "typos)\n";
    }
    out += path + ": " + summary(result) + "\n";
    return out;
}

std::string formatJson(const std::string& path, const CheckResult& result) {
    std::string out = "{\"file\":" + jsonString(path) +
                      ",\"readable\":" + (result.readable ? "true" : "false") +
                      ",\"exitStatus\":" + std::to_string(result.exitStatus());
    out += ",\"diagnostics\":[";
    for (std::size_t i = 0; i < result.diagnostics.size(); ++i) {
        const Diagnostic& d = result.diagnostics[i];
        out += std::string(i ? "," : "") + "{\"line\":" + std::to_string(d.at.line) +
               ",\"column\":" + std::to_string(d.at.column) +
               ",\"kind\":" + jsonString(findingName(d.finding)) +
               ",\"message\":" + jsonString(d.message) +
               ",\"losesText\":" + (d.losesText ? "true" : "false") + "}";
    }
    out += "],\"missing\":{";
    bool first = true;
    for (const std::string& dialog : result.dialogOrder) {
        out += std::string(first ? "" : ",") + jsonString(dialog) + ":[";
        first = false;
        const auto& missing = result.missingByDialog.at(dialog);
        for (std::size_t i = 0; i < missing.size(); ++i) {
            out += std::string(i ? "," : "") + jsonString(missing[i]);
        }
        out += "]";
    }
    out += "},\"pairs\":[";
    for (std::size_t i = 0; i < result.pairs.size(); ++i) {
        const KeptPair& p = result.pairs[i];
        out += std::string(i ? "," : "") + "{\"key\":" + jsonString(p.key) +
               ",\"text\":" + jsonString(p.text) + ",\"keyHex\":\"" + hexBytes(p.key) +
               "\",\"textHex\":\"" + hexBytes(p.text) + "\",\"line\":" + std::to_string(p.at.line) +
               ",\"column\":" + std::to_string(p.at.column) + "}";
    }
    out += "],\"sameAsEnglish\":[";
    for (std::size_t i = 0; i < result.sameAsEnglish.size(); ++i) {
        const KeptPair& p = result.sameAsEnglish[i];
        out += std::string(i ? "," : "") + "{\"key\":" + jsonString(p.key) +
               ",\"line\":" + std::to_string(p.at.line) +
               ",\"column\":" + std::to_string(p.at.column) + "}";
    }
    out += "],\"otherKeys\":" + std::to_string(result.otherKeys) +
           ",\"translated\":" + std::to_string(result.translated) +
           ",\"total\":" + std::to_string(result.total) + "}\n";
    return out;
}

}  // namespace kvr::translators
