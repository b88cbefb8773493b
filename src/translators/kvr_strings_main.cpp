// kvr-strings: the translators' tool for strings files.
//   kvr-strings check [--json] FILE   what the module would lose of FILE
//   kvr-strings template [FILE] [-o OUT]
//                                     every module text, by dialog; with FILE,
//                                     FILE and the texts it lacks
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "translators/replace_file.h"
#include "translators/standard_output.h"
#include "translators/strings_check.h"
#include "translators/strings_template.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

namespace {

int usage() {
    std::fputs(
        "usage: kvr-strings check [--json] FILE\n"
        "       kvr-strings template [FILE] [-o OUT]\n"
        "check: every record the module would skip, every duplicate key, every text cut at\n"
        "  \"//\", likely typos of module texts, what is not UTF-8, the texts worded as in\n"
        "  English, and the module texts FILE lacks; exit status 0 when nothing is lost, 1 when\n"
        "  a text is lost or shadowed or a byte is not UTF-8, 2 when FILE cannot be read.\n"
        "template: every module text by dialog; with FILE, FILE followed by the texts it lacks.\n"
        "  -o OUT writes OUT through a new file renamed into place; -o FILE updates FILE.\n",
        stderr);
    return 2;
}

void write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// A file that holds bytes (false for one that is missing or cannot be read).
bool holdsBytes(const char* path) {
    const auto bytes = kvr::translators::readStringsFileBytes(path);
    return bytes && !bytes->empty();
}

// "template FILE > FILE": the shell has opened FILE for the output before the
// tool runs (and emptied it, unless it appends), so reading it now would
// write the file into itself.
int refuseOutputIntoInput(const char* file) {
    std::fprintf(stderr, "kvr-strings: the output goes into %s, the file being read; ", file);
    if (!holdsBytes(file)) {
        std::fprintf(stderr,
                     "the shell emptied it before kvr-strings started, so its translations are "
                     "gone: restore it from a copy.\n");
    } else {
        std::fprintf(stderr, "nothing was written.\n");
    }
    std::fprintf(stderr,
                 "To add the missing texts to a file, update it in place:\n"
                 "  kvr-strings template %s -o %s\n",
                 file, file);
    return 2;
}

int runTemplate(const char* file, const char* out) {
    if (file != nullptr && out == nullptr && kvr::translators::standardOutputIs(file)) {
        return refuseOutputIntoInput(file);
    }
    // A fresh template over an existing translation would lose it.
    if (file == nullptr && out != nullptr && holdsBytes(out)) {
        std::fprintf(stderr,
                     "kvr-strings: %s exists and is not empty; to add the missing texts to it:\n"
                     "  kvr-strings template %s -o %s\n"
                     "(remove it first to start from a fresh template)\n",
                     out, out, out);
        return 2;
    }
    std::string text;
    if (file == nullptr) {
        text = kvr::translators::writeTemplate();
    } else {
        auto extended = kvr::translators::extendStringsFile(file);
        if (!extended) {
            std::fprintf(stderr, "%s: cannot be read\n", file);
            return 2;
        }
        text = std::move(*extended);
    }
    if (out == nullptr) {
        write(text);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 2;
    }
    const std::string error = kvr::translators::replaceFile(out, text);
    if (!error.empty()) {
        std::fprintf(stderr, "%s: %s; the file is unchanged\n", out, error.c_str());
        return 2;
    }
    return 0;
}

int run(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    const std::string command = argv[1];
    if (command == "check") {
        bool json = false;
        const char* file = nullptr;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--json") == 0) {
                json = true;
            } else if (file == nullptr) {
                file = argv[i];
            } else {
                return usage();
            }
        }
        if (file == nullptr) {
            return usage();
        }
        const auto result = kvr::translators::checkStringsFile(file);
        write(json ? kvr::translators::formatJson(file, result)
                   : kvr::translators::formatText(file, result));
        return result.exitStatus();
    }
    if (command == "template") {
        const char* file = nullptr;
        const char* out = nullptr;
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc && out == nullptr) {
                out = argv[++i];
            } else if (file == nullptr && argv[i][0] != '-') {
                file = argv[i];
            } else {
                return usage();
            }
        }
        return runTemplate(file, out);
    }
    return usage();
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);  // the bytes as written, no CR added
#endif
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kvr-strings: %s\n", e.what());
        return 2;
    }
}
