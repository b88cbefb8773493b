// Times LangHandler::ReadStringsFile on a generated strings file (10,000
// records unless --records says otherwise), and reading the same bytes into
// memory, and prints a key=value line for each:
//   bench=cpp_read_strings median_ms=... min_ms=... runs=... entries=... digest=...
//   bench=read_bytes median_ms=... min_ms=... runs=... bytes=...
//   bench=tables entries=... bytes=... converted_bytes=... file_bytes=...
// (the bytes the tables hold once the file is read: index, entries, keys and
// texts; and once every UTF-16 text has been converted, as if each had been
// shown). The byte reads run after all the table reads, each at its best: the
// floor is not raised by the memory the tables leave behind.
// The digest covers both tables, so that another reader of the same file can
// show it builds the same tables.
// Usage: kvr_bench_strings [--file PATH] [--runs N] [--records N]
// (with --file the generated file is written there and kept).
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "strings/lang_handler.h"
#include "strings_file_generator.h"

namespace {

using kvr::strings::LangHandler;

// 64-bit FNV-1a over each (key, text) pair, UTF-8 table first, then the UTF-16
// table with its units as little-endian bytes; every string ends with a 0 byte.
std::uint64_t digest(LangHandler& handler) {
    std::uint64_t h = 14695981039346656037ull;
    const auto add = [&h](unsigned char byte) {
        h ^= byte;
        h *= 1099511628211ull;
    };
    const auto addBytes = [&add](std::string_view s) {
        for (unsigned char c : s) {
            add(c);
        }
        add(0);
    };
    for (const auto& [key, text] : handler.tables().utf8Pairs()) {
        addBytes(key);
        addBytes(text);
    }
    for (const auto& [key, text] : handler.tables().widePairs()) {
        addBytes(key);
        for (auto unit : text) {
            add(static_cast<unsigned char>(unit & 0xFF));
            add(static_cast<unsigned char>(unit >> 8));
        }
        add(0);
    }
    return h;
}

}  // namespace

int main(int argc, char** argv) {
    std::string file;
    int runs = 21;
    int records = kvr::bench::kGeneratedRecords;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--file") == 0) {
            file = argv[i + 1];
        } else if (std::strcmp(argv[i], "--runs") == 0) {
            runs = std::max(1, std::atoi(argv[i + 1]));
        } else if (std::strcmp(argv[i], "--records") == 0) {
            records = std::max(1, std::atoi(argv[i + 1]));
        }
    }
    std::filesystem::path tempDir;
    if (file.empty()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kvr_bench_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("kvr_bench_strings: mkdtemp");
            return 1;
        }
        tempDir = pattern;
        file = (tempDir / "kvr.strings").string();
    }
    {
        const std::string bytes = kvr::bench::generateStringsFile(records);
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "kvr_bench_strings: cannot write %s\n", file.c_str());
            return 1;
        }
    }

    std::vector<double> times;
    std::unique_ptr<LangHandler> handler;
    for (int run = 0; run < runs; ++run) {
        handler = std::make_unique<LangHandler>();
        const auto start = std::chrono::steady_clock::now();
        const int result = handler->ReadStringsFile(file);
        const auto stop = std::chrono::steady_clock::now();
        if (result != 0) {
            std::fprintf(stderr, "kvr_bench_strings: cannot read %s\n", file.c_str());
            return 1;
        }
        times.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    const std::size_t entries = handler->tables().utf8Size();
    const std::size_t tableBytes = handler->tables().bytesHeld();  // before the digest converts
    const std::uint64_t hash = digest(*handler);
    const std::size_t convertedBytes =
        handler->tables().bytesHeld();  // every UTF-16 text converted
    // The floor: the same bytes read into memory, through the same stdio.
    std::vector<double> byteTimes;
    std::size_t size = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        std::string bytes;
        if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
            char chunk[16384];
            for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, in)) > 0;) {
                bytes.append(chunk, n);
            }
            std::fclose(in);
        }
        const auto stop = std::chrono::steady_clock::now();
        byteTimes.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
        size = bytes.size();
    }
    if (!tempDir.empty()) {
        std::filesystem::remove_all(tempDir);
    }
    std::sort(times.begin(), times.end());
    std::sort(byteTimes.begin(), byteTimes.end());
    std::printf(
        "bench=cpp_read_strings median_ms=%.3f min_ms=%.3f runs=%d entries=%zu digest=%016llx\n",
        times[times.size() / 2], times.front(), runs, entries,
        static_cast<unsigned long long>(hash));
    std::printf("bench=tables entries=%zu bytes=%zu converted_bytes=%zu file_bytes=%zu\n", entries,
                tableBytes, convertedBytes, size);
    std::printf("bench=read_bytes median_ms=%.3f min_ms=%.3f runs=%d bytes=%zu\n",
                byteTimes[byteTimes.size() / 2], byteTimes.front(), runs, size);
    return 0;
}
