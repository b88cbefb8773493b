// The cost of LangHandler::GetWideString against its plain native peer, a
// std::unordered_map from the key's bytes to the UTF-16 text, looked up with
// the same keys (the map's keys are views of strings it does not own, so a
// lookup copies nothing), for hits (keys the file translates) and misses
// (keys it does not; the handler has entered them once before timing, as it
// does on a first miss). Also prints the tables' bytes after every UTF-16
// text has been converted, as if each had been shown.
//   kvr_bench_lookup STRINGS_FILE
// Prints, for hits and for misses:
//   lookup: entries=... hits native_ns=... map_ns=... native_over_map=...
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "strings/lang_handler.h"

namespace {

using kvr::strings::LangHandler;
using kvr::text::WideChar;

// Nanoseconds per call of lookup over keys; sink keeps the results alive.
template <class Lookup>
double nsPerCall(const std::vector<std::string>& keys, std::uintptr_t& sink, Lookup&& lookup) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& key : keys) {
        sink += reinterpret_cast<std::uintptr_t>(lookup(key.c_str()));
    }
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::nano>(stop - start).count() /
           static_cast<double>(keys.size());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kvr_bench_lookup STRINGS_FILE\n");
        return 2;
    }
    LangHandler handler;
    if (handler.ReadStringsFile(argv[1]) != 0) {
        std::fprintf(stderr, "kvr_bench_lookup: cannot read %s\n", argv[1]);
        return 1;
    }
    // The peer holds the same pairs, each text converted once, as a table
    // built at load time would.
    std::vector<std::pair<std::string, std::basic_string<WideChar>>> owned;
    for (const auto& [key, text] : handler.tables().utf8Pairs()) {
        owned.emplace_back(std::string(key), kvr::text::utf8ToWide(text));
    }
    std::unordered_map<std::string_view, const std::basic_string<WideChar>*> peer;
    for (const auto& [key, text] : owned) {
        peer.emplace(key, &text);
    }
    const auto peerLookup = [&peer](const char* key) -> const WideChar* {
        const auto it = peer.find(key);
        return it == peer.end() ? nullptr : it->second->c_str();
    };
    const auto nativeLookup = [&handler](const char* key) { return handler.GetWideString(key); };

    std::mt19937 random(1);
    std::vector<std::string> hits;
    std::vector<std::string> misses;
    for (int i = 0; i < 2000; ++i) {
        hits.push_back(owned[random() % owned.size()].first);
        misses.push_back("Text " + std::to_string(i) + ": not in the file");
    }
    std::uintptr_t sink = 0;
    for (const auto* keys : {&hits, &misses}) {
        for (const std::string& key : *keys) {
            const WideChar* native = handler.GetWideString(key.c_str());
            const WideChar* plain = peerLookup(key.c_str());
            if (plain != nullptr && std::basic_string_view<WideChar>(native) != plain) {
                std::fprintf(stderr, "kvr_bench_lookup: the handler and the map disagree\n");
                return 1;
            }
        }
    }
    for (const auto& [kind, keys] : {std::pair{"hits", &hits}, std::pair{"misses", &misses}}) {
        // Rounds alternate between the two, so that a change of load on a
        // shared machine weighs on both alike; the medians are compared.
        std::vector<double> native;
        std::vector<double> plain;
        for (int round = 0; round < 31; ++round) {
            native.push_back(nsPerCall(*keys, sink, nativeLookup));
            plain.push_back(nsPerCall(*keys, sink, peerLookup));
        }
        std::printf("lookup: entries=%zu %s native_ns=%.1f map_ns=%.1f native_over_map=%.2f\n",
                    handler.tables().utf8Size(), kind, median(native), median(plain),
                    median(native) / median(plain));
    }
    handler.tables().widePairs();  // converts every UTF-16 text
    std::printf("bench=tables_all_converted entries=%zu bytes=%zu sink=%zu\n",
                handler.tables().utf8Size(), handler.tables().bytesHeld(),
                static_cast<std::size_t>(sink & 1));
    return 0;
}
