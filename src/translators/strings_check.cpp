#include "translators/strings_check.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <stdexcept>
#include <string_view>

#include "catalogue/module_texts.h"
#include "strings/lang_handler.h"
#include "strings/open_strings_file.h"
#include "strings/strings_record_reader.h"
#include "translators/file_encoding.h"
#include "translators/file_positions.h"

namespace kvr::translators {

namespace {

constexpr auto npos = std::string_view::npos;
using strings::StringsRecordReader;

// A stretch of a record between comments: the module tries each in turn.
struct Segment {
    std::size_t begin;
    std::size_t end;
    std::size_t comment;  // where the "//" that ends it starts, or npos
    bool lineFeedAfterComment;
};

std::vector<Segment> segmentsOf(std::string_view r) {
    std::vector<Segment> segments;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t c = r.find("//", pos);
        if (c == npos) {
            segments.push_back({pos, r.size(), npos, false});
            return segments;
        }
        const std::size_t f = r.find('\n', c);
        segments.push_back({pos, c, c, f != npos});
        if (f == npos) {
            return segments;
        }
        pos = f + 1;
    }
}

bool isBlank(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The first byte that is neither white space nor the file's byte-order mark.
std::size_t firstContent(std::string_view r, std::size_t begin, std::size_t end,
                         std::size_t bomEnd) {
    for (std::size_t i = begin; i < end; ++i) {
        if (!isBlank(static_cast<unsigned char>(r[i])) && i >= bomEnd) {
            return i;
        }
    }
    return npos;
}

// Why a stretch without comments yields no pair, and where.
struct Reason {
    std::string text;
    std::size_t at;
    const char* unclosed;  // "key" or "text" whose closing quote is missing, or null
};

Reason explainNoPair(std::string_view r, const Segment& s, std::size_t contentAt) {
    const std::string_view p = r.substr(s.begin, s.end - s.begin);
    const auto at = [&](std::size_t i) { return s.begin + i; };
    const std::size_t e = p.find('=');
    const std::size_t k1 = p.find('"');
    const std::size_t k2 = k1 == npos ? npos : p.find('"', k1 + 1);
    if (k1 == npos) {
        return {"no quoted key: a record is \"English text\" = \"translation\";", contentAt,
                nullptr};
    }
    if (k2 == npos) {
        return {"the key's closing quote is missing", at(k1), "key"};
    }
    if (e == npos) {
        return {"no \"=\" between the key and the text", at(k2 + 1), nullptr};
    }
    if (k2 > e) {
        if (k1 < e) {
            return {"the key holds \"=\", which a key cannot", at(e), nullptr};
        }
        return {"\"=\" stands before the key", at(e), nullptr};
    }
    const std::size_t t1 = p.find('"', k2 + 1);
    const std::size_t t2 = t1 == npos ? npos : p.find('"', t1 + 1);
    if (t1 == npos) {
        return {"no quoted text after \"=\"", at(e), nullptr};
    }
    if (t1 < e) {
        return {"a second quoted text stands before \"=\"", at(t1), nullptr};
    }
    if (t2 == npos) {
        return {"the text's closing quote is missing", at(t1), "text"};
    }
    return {"the module reads no pair here", contentAt, nullptr};
}

// Only a stretch with a quote or an "=" can have been meant as a pair: other
// words (after a ';' inside a comment, say) lose nothing.
bool holdsText(std::string_view r, std::size_t begin, std::size_t end) {
    const std::string_view p = r.substr(begin, end - begin);
    return p.find_first_of("\"=") != npos;
}

bool oddQuotes(std::string_view r, std::size_t begin, std::size_t end) {
    return std::count(r.begin() + begin, r.begin() + end, '"') % 2 == 1;
}

// Keys compared as a translator might mistype them: case, spaces and ASCII
// punctuation do not count.
std::string loose(std::string_view key) {
    std::string out;
    for (unsigned char c : key) {
        if (c < 0x80 && (std::isspace(c) || std::ispunct(c))) {
            continue;
        }
        out += static_cast<char>(c < 0x80 ? std::tolower(c) : c);
    }
    return out;
}

std::string quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

class Checker {
public:
    Checker(std::string bytes, CheckResult& result)
        : bytes_(std::move(bytes)), positions_(bytes_), result_(result) {}

    // Names what in the file is not UTF-8; false when the file is not read
    // as records at all (UTF-16).
    bool encoding();
    void record(std::size_t rawBegin, std::size_t rawEnd, bool endedBySemicolon,
                StringsRecordReader::Status status, std::string_view moduleRecord);
    void finish();

private:
    Position at(std::size_t offset) const { return positions_.at(rawOf_[offset]); }
    void add(std::size_t offset, Finding finding, std::string message, bool loses) {
        result_.diagnostics.push_back({at(offset), finding, std::move(message), loses});
    }
    void reportSpoilingComment(std::string_view r, const Segment& s);
    void keep(std::string_view r, const Segment& s, const std::string& key,
              const std::string& text);

    std::string bytes_;
    FilePositions positions_;
    CheckResult& result_;
    std::vector<std::size_t> rawOf_;           // the file offset of each byte of the record
    std::map<std::string, std::size_t> kept_;  // key -> index into result_.pairs
    // The last record ended at a ';' inside quotes: the start of this one is
    // the rest of that text, already reported.
    bool restOfSplitText_ = false;
};

bool Checker::encoding() {
    const FileEncoding found = examineEncoding(bytes_);
    for (const EncodingIssue& issue : found.issues) {
        result_.diagnostics.push_back(
            {positions_.at(issue.offset), Finding::encoding, issue.message, issue.losesText});
    }
    return !found.utf16;
}

void Checker::record(std::size_t rawBegin, std::size_t rawEnd, bool endedBySemicolon,
                     StringsRecordReader::Status status, std::string_view moduleRecord) {
    // The record as the reader sees it, whole, with each byte's place in the
    // file: a CR LF pair reads as its line feed.
    std::string r;
    rawOf_.clear();
    for (std::size_t i = rawBegin; i < rawEnd; ++i) {
        if (bytes_[i] == '\r' && i + 1 < bytes_.size() && bytes_[i + 1] == '\n') {
            continue;
        }
        r += bytes_[i];
        rawOf_.push_back(i);
    }
    rawOf_.push_back(rawEnd);
    const std::size_t bomEnd = (rawBegin == 0 && bytes_.compare(0, 3, "\xEF\xBB\xBF") == 0) ? 3 : 0;

    if (status == StringsRecordReader::Status::tooLong) {
        if (holdsText(r, 0, r.size())) {
            add(r.find_first_of("\"="), Finding::skipped,
                "the record is " + std::to_string(r.size()) +
                    " bytes long; the module skips any record over " +
                    std::to_string(strings::kStringsBufferSize - 1) +
                    " bytes (comments and blank lines before a text count)",
                true);
        }
        return;
    }
    if (r != moduleRecord) {
        throw std::logic_error("the record reader and the checker see different bytes");
    }

    std::array<char, strings::kStringsBufferSize> key{}, text{};
    const bool modulePair =
        strings::ParseStringsRecord(r.data(), r.size(), key.data(), text.data()) == 0;
    const std::string moduleKey = modulePair ? key.data() : "";
    const std::string moduleText = modulePair ? text.data() : "";

    const std::vector<Segment> segments = segmentsOf(r);
    bool yielded = false;
    const bool restOfSplitText = restOfSplitText_;
    restOfSplitText_ = false;
    for (const Segment& s : segments) {
        const std::size_t segmentContent = firstContent(r, s.begin, s.end, bomEnd);
        if (yielded) {
            if (holdsText(r, s.begin, s.end)) {
                add(segmentContent, Finding::ignored,
                    "the module reads only the first pair of a record: a ';' is missing "
                    "before this",
                    true);
            }
            continue;
        }
        if (s.comment != npos && !s.lineFeedAfterComment) {
            // A comment with no line feed after it ends the module's reading
            // of the record: nothing more of it is read.
            if (holdsText(r, s.begin, s.end)) {
                reportSpoilingComment(r, s);
            }
            break;
        }
        if (strings::ParseStringsRecord(r.data() + s.begin, s.end - s.begin, key.data(),
                                        text.data()) == 0) {
            if (!modulePair || moduleKey != key.data() || moduleText != text.data()) {
                throw std::logic_error("the module took its pair from another part of the record");
            }
            yielded = true;
            keep(r, s, key.data(), text.data());
            continue;
        }
        if (!holdsText(r, s.begin, s.end) || (restOfSplitText && &s == &segments.front())) {
            continue;
        }
        if (s.comment != npos && oddQuotes(r, s.begin, s.comment)) {
            add(s.comment, Finding::cut,
                "\"//\" inside quotes starts a comment: the text is cut there and the module "
                "reads no pair from it (a text cannot hold \"//\")",
                true);
            continue;
        }
        const Reason why = explainNoPair(r, s, segmentContent);
        if (why.unclosed != nullptr && s.end == r.size() && endedBySemicolon) {
            // The likely mistake first: a ';' meant as part of the wording.
            restOfSplitText_ = true;
            const Position semicolon = positions_.at(rawEnd);
            add(why.at, Finding::skipped,
                std::string("a ") + why.unclosed + " cannot hold ';': the ';' at " +
                    std::to_string(semicolon.line) + ":" + std::to_string(semicolon.column) +
                    " ends the record inside the quotes, so the module skips it (" + why.text + ")",
                true);
            continue;
        }
        add(why.at, Finding::skipped, "the module skips this: " + why.text, true);
    }
    if (yielded != modulePair) {
        throw std::logic_error("the module and the checker disagree on a record");
    }
}

void Checker::reportSpoilingComment(std::string_view r, const Segment& s) {
    if (oddQuotes(r, s.begin, s.comment)) {
        add(s.comment, Finding::cut,
            "\"//\" inside quotes starts a comment, which runs to the ';': the module skips "
            "the record (a text cannot hold \"//\"; web addresses cannot be translated)",
            true);
    } else {
        add(s.comment, Finding::skipped,
            "this comment runs up to the ';' with no line break, so the module skips the "
            "whole record: put the ';' before the comment",
            true);
    }
}

void Checker::keep(std::string_view r, const Segment& s, const std::string& key,
                   const std::string& text) {
    const std::size_t k1 = r.find('"', s.begin);
    const std::size_t k2 = r.find('"', k1 + 1);
    const std::size_t t1 = r.find('"', k2 + 1);
    const std::size_t t2 = r.find('"', t1 + 1);
    const std::size_t extra = r.find('"', t2 + 1);
    if (extra != npos && extra < s.end) {
        add(extra, Finding::ignored,
            "the module reads only the first pair of a record: a ';' is missing after the "
            "text before this",
            true);
    }
    const auto found = kept_.find(key);
    if (found != kept_.end()) {
        const KeptPair& first = result_.pairs[found->second];
        const bool differs = first.text != text;
        add(k1, Finding::duplicate,
            "duplicate key " + quoted(key) + ": the first, at line " +
                std::to_string(first.at.line) + ", wins with " + quoted(first.text) +
                (differs ? "; this text " + quoted(text) + " never shows" : " (the same text)"),
            differs);
        return;
    }
    kept_.emplace(key, result_.pairs.size());
    result_.pairs.push_back({key, text, at(k1)});
}

void Checker::finish() {
    const std::vector<const char*> moduleKeys = texts::translatableKeys();
    std::map<std::string, std::string> looseModuleKeys;
    std::set<std::string_view> moduleKeySet;
    for (const char* k : moduleKeys) {
        looseModuleKeys.emplace(loose(k), k);
        moduleKeySet.insert(k);
    }
    for (const KeptPair& pair : result_.pairs) {
        if (moduleKeySet.count(pair.key) != 0) {
            // A text worded as in English: sometimes right ("OK" in French),
            // often a text not yet translated.
            if (pair.text == pair.key) {
                result_.sameAsEnglish.push_back(pair);
            } else {
                ++result_.translated;
            }
            continue;
        }
        ++result_.otherKeys;
        const auto near = looseModuleKeys.find(loose(pair.key));
        if (near != looseModuleKeys.end()) {
            result_.diagnostics.push_back(
                {pair.at, Finding::nearMiss,
                 "the key " + quoted(pair.key) + " is not a module text; the module looks up " +
                     quoted(near->second) + " (case, spaces and punctuation count)",
                 false});
        }
    }
    result_.total = static_cast<int>(moduleKeys.size());
    for (const texts::DialogTexts& dialog : texts::moduleTexts()) {
        result_.dialogOrder.push_back(dialog.name);
        std::vector<std::string>& missing = result_.missingByDialog[dialog.name];
        for (const texts::TextUse& use : dialog.texts) {
            if (use.translatable && kept_.count(use.key) == 0 &&
                std::find(missing.begin(), missing.end(), use.key) == missing.end()) {
                missing.push_back(use.key);
            }
        }
    }
    std::stable_sort(result_.diagnostics.begin(), result_.diagnostics.end(),
                     [](const Diagnostic& a, const Diagnostic& b) {
                         return a.at.line != b.at.line ? a.at.line < b.at.line
                                                       : a.at.column < b.at.column;
                     });
}

}  // namespace

const char* findingName(Finding finding) {
    switch (finding) {
        case Finding::encoding:
            return "encoding";
        case Finding::skipped:
            return "skipped";
        case Finding::cut:
            return "cut";
        case Finding::ignored:
            return "ignored";
        case Finding::duplicate:
            return "duplicate";
        case Finding::nearMiss:
            return "near-miss";
    }
    return "";
}

int CheckResult::exitStatus() const {
    if (!readable) {
        return 2;
    }
    const bool lost = std::any_of(diagnostics.begin(), diagnostics.end(),
                                  [](const Diagnostic& d) { return d.losesText; });
    return lost ? 1 : 0;
}

std::optional<std::string> readStringsFileBytes(const std::string& path) {
    strings::FilePtr file = strings::OpenStringsFile(path);
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    std::array<char, 16384> buffer;
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), file.get())) != 0) {
        bytes.append(buffer.data(), n);
    }
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return bytes;
}

CheckResult checkStringsFile(const std::string& path) {
    CheckResult result;
    // The file as the module opens it, for the records; and its bytes, for
    // where each record lies.
    strings::FilePtr file = strings::OpenStringsFile(path);
    const std::optional<std::string> bytes = readStringsFileBytes(path);
    if (!file || !bytes) {
        return result;
    }
    Checker checker(*bytes, result);
    if (!checker.encoding()) {
        checker.finish();
        result.readable = true;
        return result;
    }
    strings::StringsRecordReader reader(file.get());
    std::array<char, strings::kStringsBufferSize> record{};
    std::size_t length = 0;
    std::size_t rawBegin = 0;
    for (;;) {
        const auto status = reader.next(record.data(), length);
        if (status == StringsRecordReader::Status::end) {
            break;
        }
        const std::size_t semicolon = bytes->find(';', rawBegin);
        const std::size_t rawEnd = semicolon == std::string::npos ? bytes->size() : semicolon;
        checker.record(rawBegin, rawEnd, semicolon != std::string::npos, status,
                       std::string_view(record.data(), length));
        rawBegin = rawEnd + 1;
    }
    if (reader.unreadable()) {
        return result;
    }
    checker.finish();
    result.readable = true;
    return result;
}

}  // namespace kvr::translators
