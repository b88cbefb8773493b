#include "translators/strings_template.h"

#include <set>
#include <string_view>

#include "catalogue/module_texts.h"
#include "translators/strings_check.h"

namespace kvr::translators {

namespace {

// The other dialogs that show a key, for its comment.
std::string alsoIn(const texts::DialogTexts& here, const char* key) {
    std::string also;
    for (const texts::DialogTexts& dialog : texts::moduleTexts()) {
        if (&dialog == &here) {
            continue;
        }
        for (const texts::TextUse& use : dialog.texts) {
            if (std::string_view(use.key) == key) {
                also += (also.empty() ? "" : ", ") + std::string(dialog.name);
                break;
            }
        }
    }
    return also.empty() ? "" : " (also " + also + ")";
}

// The module texts not in `have`, by dialog; each key once, under the first
// dialog that shows it.
std::string sections(const std::set<std::string>& have, bool withAddresses) {
    std::string out;
    std::set<std::string_view> written;
    for (const texts::DialogTexts& dialog : texts::moduleTexts()) {
        std::string section;
        for (const texts::TextUse& use : dialog.texts) {
            if (have.count(use.key) != 0 || !written.insert(use.key).second) {
                continue;
            }
            if (!use.translatable) {
                if (!withAddresses) {
                    continue;
                }
                section += "// " + std::string(use.control) + ": " + use.key +
                           " (a web address holds \"//\": it cannot be translated)\n";
                continue;
            }
            section += "// " + std::string(dialog.name) + ": " + use.control +
                       alsoIn(dialog, use.key) + "\n";
            section += "\"" + std::string(use.key) + "\" = \"" + use.key + "\";\n";
        }
        if (!section.empty()) {
            out += "\n// " + std::string(dialog.name) + " (" + dialog.method + ", template " +
                   std::to_string(dialog.templateId) + ")\n" + section;
        }
    }
    return out;
}

// True when the bytes after the file's last ';' hold something other than
// white space and comments: a last record that the end of the file ends.
bool endsInOpenRecord(const std::string& bytes) {
    const std::size_t semicolon = bytes.rfind(';');
    std::string_view tail(bytes);
    tail.remove_prefix(semicolon == std::string::npos ? 0 : semicolon + 1);
    while (!tail.empty()) {
        const unsigned char c = static_cast<unsigned char>(tail.front());
        if (tail.substr(0, 2) == "//") {
            const std::size_t f = tail.find('\n');
            tail.remove_prefix(f == std::string_view::npos ? tail.size() : f);
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            tail.remove_prefix(1);
        } else if (semicolon == std::string::npos && tail.substr(0, 3) == "\xEF\xBB\xBF") {
            tail.remove_prefix(3);
        } else {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string writeTemplate() {
    return "// Strings file of the module's texts. Each record reads\n"
           "//     \"English text\" = \"translation\";\n"
           "// A text cannot hold a double quote, a semicolon or two slashes, and a record\n"
           "// holds at most 1023 bytes. An untranslated text stands for itself.\n" +
           sections({}, true);
}

std::optional<std::string> extendStringsFile(const std::string& path) {
    const CheckResult check = checkStringsFile(path);
    std::optional<std::string> bytes = readStringsFileBytes(path);
    if (!check.readable || !bytes) {
        return std::nullopt;
    }
    std::string out = std::move(*bytes);
    std::set<std::string> have;
    for (const KeptPair& pair : check.pairs) {
        have.insert(pair.key);
    }
    const std::string added = sections(have, false);
    if (added.empty()) {
        return out;
    }
    // The appended records must start records of their own: close an open
    // last record and end a comment line the file stops in.
    if (endsInOpenRecord(out)) {
        out += ";";
    }
    if (!out.empty() && out.back() != '\n') {
        out += "\n";
    }
    return out + "\n// Module texts this file did not have yet" + added;
}

}  // namespace kvr::translators
