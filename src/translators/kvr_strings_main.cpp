// kvr-strings: the translators' tool for strings files.
//   kvr-strings check [--json] FILE   what the module would lose of FILE
//   kvr-strings template [FILE]       every module text, by dialog
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

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
        "       kvr-strings template [FILE]\n"
        "check: every record the module would skip, every duplicate key, every text cut at\n"
        "  \"//\", likely typos of module texts, and the module texts FILE lacks; exit status\n"
        "  0 when nothing is lost, 1 when a text is lost or shadowed, 2 when FILE cannot be read.\n"
        "template: every module text by dialog; with FILE, FILE followed by the texts it lacks.\n",
        stderr);
    return 2;
}

void write(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
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
    if (command == "template" && argc <= 3) {
        if (argc == 2) {
            write(kvr::translators::writeTemplate());
            return 0;
        }
        const auto extended = kvr::translators::extendStringsFile(argv[2]);
        if (!extended) {
            std::fprintf(stderr, "%s: cannot be read\n", argv[2]);
            return 2;
        }
        write(*extended);
        return 0;
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
