// Lookups in the language handler's two tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "strings/lang_handler.h"
#include "text/wide_string.h"

namespace kvr::strings {
namespace {

using text::WideString;

TEST(LangHandler, AMissStandsForItselfAndIsEnteredOnce) {
    LangHandler handler;
    const text::WideChar* wide = handler.GetWideString("Cancel");
    EXPECT_EQ(WideString(wide), KVR_WIDE("Cancel"));
    EXPECT_EQ(handler.GetWideString("Cancel"), wide);
    EXPECT_EQ(handler.tables().wideSize(), 1u);
    EXPECT_EQ(handler.tables().utf8Size(), 0u);

    const char* utf8 = handler.GetUtf8String("Cancel");
    EXPECT_STREQ(utf8, "Cancel");
    EXPECT_EQ(handler.GetUtf8String("Cancel"), utf8);
    EXPECT_EQ(handler.tables().utf8Size(), 1u);
}

TEST(LangHandler, KeysMatchOnlyTheSameBytes) {
    LangHandler handler;
    handler.AddText("ok", "lower");
    handler.AddText("OK ", "trailing space");
    handler.AddText("\xC2\xB0", "degrees");  // the degree sign in UTF-8
    EXPECT_EQ(WideString(handler.GetWideString("OK")), KVR_WIDE("OK"));
    EXPECT_STREQ(handler.GetUtf8String("OK"), "OK");
    EXPECT_EQ(WideString(handler.GetWideString("\xC2\xB0")), KVR_WIDE("degrees"));
    EXPECT_STREQ(handler.GetUtf8String("\xC2\xB0"), "degrees");
    // The Latin-1 byte, the masculine ordinal and the ring operator are other keys.
    for (const char* other : {"\xB0", "\xC2\xBA", "\xE2\x88\x98"}) {
        EXPECT_STREQ(handler.GetUtf8String(other), other);
        const text::WideChar* wide = handler.GetWideString(other);
        EXPECT_EQ(WideString(wide), text::utf8ToWide(other));
    }
}

TEST(LangHandler, AnEmptyTranslationIsATranslation) {
    LangHandler handler;
    handler.AddText("OK", "");
    handler.AddText("", "empty key");
    EXPECT_STREQ(handler.GetUtf8String("OK"), "");
    EXPECT_EQ(WideString(handler.GetWideString("OK")), KVR_WIDE(""));
    EXPECT_STREQ(handler.GetUtf8String(""), "empty key");
}

TEST(LangHandler, EarlierEntriesAreNeverReplaced) {
    LangHandler handler;
    handler.AddText("OK", "first");
    handler.AddText("OK", "second");
    EXPECT_STREQ(handler.GetUtf8String("OK"), "first");
    EXPECT_EQ(WideString(handler.GetWideString("OK")), KVR_WIDE("first"));

    // The tables grow independently: a miss entered in one is no reason to
    // refuse a later text in the other.
    handler.GetWideString("Help");
    handler.AddText("Help", "Aide");
    EXPECT_EQ(WideString(handler.GetWideString("Help")), KVR_WIDE("Help"));
    EXPECT_STREQ(handler.GetUtf8String("Help"), "Aide");
    // And the other way round: the UTF-16 text is the file's, not the key.
    handler.GetUtf8String("Apply");
    handler.AddText("Apply", "Appliquer");
    handler.AddText("Apply", "later");
    EXPECT_STREQ(handler.GetUtf8String("Apply"), "Apply");
    EXPECT_EQ(WideString(handler.GetWideString("Apply")), KVR_WIDE("Appliquer"));
    // A text that equals the key it was missed as is the same either way.
    handler.GetUtf8String("Same");
    handler.AddText("Same", "Same");
    EXPECT_EQ(WideString(handler.GetWideString("Same")), KVR_WIDE("Same"));
    EXPECT_EQ(handler.tables().utf8Size(), 4u);
    EXPECT_EQ(handler.tables().wideSize(), 4u);
}

TEST(LangHandler, TextsStayAtTheirAddressWhileTheTablesGrow) {
    LangHandler handler;
    std::vector<const text::WideChar*> wide;
    std::vector<const char*> utf8;
    for (int i = 0; i < 50; ++i) {
        const std::string key = "key " + std::to_string(i);
        handler.AddText(key.c_str(), ("text " + std::to_string(i)).c_str());
        wide.push_back(handler.GetWideString(key.c_str()));
        utf8.push_back(handler.GetUtf8String(key.c_str()));
    }
    for (int i = 0; i < 20000; ++i) {
        const std::string key = "miss " + std::to_string(i);
        handler.GetWideString(key.c_str());
        handler.GetUtf8String(key.c_str());
        handler.AddText(("added " + std::to_string(i)).c_str(), "x");
    }
    for (int i = 0; i < 50; ++i) {
        const std::string key = "key " + std::to_string(i);
        const std::string expected = "text " + std::to_string(i);
        EXPECT_EQ(handler.GetWideString(key.c_str()), wide[i]);
        EXPECT_EQ(handler.GetUtf8String(key.c_str()), utf8[i]);
        EXPECT_EQ(WideString(wide[i]), text::utf8ToWide(expected));
        EXPECT_EQ(std::string(utf8[i]), expected);
    }
}

TEST(LangHandler, KeysThatDifferLateOrInHighBytesAreDistinctAndListInByteOrder) {
    // Keys that differ only beyond their first eight bytes (the hash reads
    // eight at a time), in a byte at or above 0x80, or by one beginning the
    // other; and one longer than the memory the tables take at a time.
    std::vector<std::string> keys = {"",
                                     "a",
                                     "ab",
                                     "abcdefg",
                                     "abcdefgX",
                                     "abcdefgh",
                                     "abcdefgh\x01",
                                     "abcdefghi",
                                     "abcdefgh\xC3\xA9",
                                     "\x7F",
                                     "\x80",
                                     "\xC2\x80",
                                     "\xC2\xB0",
                                     "\xC3",
                                     "\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
                                     "Text 12: a",
                                     "Text 12: b",
                                     "Text 123",
                                     std::string(70000, 'z')};
    std::vector<std::string> inserted = keys;
    std::shuffle(inserted.begin(), inserted.end(), std::mt19937(8));
    LangHandler handler;
    for (const std::string& key : inserted) {
        handler.AddText(key.c_str(), ("t " + key).c_str());
    }
    std::sort(keys.begin(), keys.end());  // std::string compares unsigned bytes
    std::vector<std::string> utf8Order;
    std::vector<std::string> wideOrder;
    for (const auto& entry : handler.tables().utf8Pairs()) {
        utf8Order.emplace_back(entry.first);
    }
    for (const auto& entry : handler.tables().widePairs()) {
        wideOrder.emplace_back(entry.first);
    }
    EXPECT_EQ(utf8Order, keys);
    EXPECT_EQ(wideOrder, keys);
    for (const std::string& key : keys) {
        EXPECT_EQ(handler.GetUtf8String(key.c_str()), "t " + key);
        EXPECT_EQ(WideString(handler.GetWideString(key.c_str())), text::utf8ToWide("t " + key));
    }
    EXPECT_EQ(handler.tables().utf8Size(), keys.size());
}

TEST(LangHandler, AgreesWithTwoMapsOverManyRandomAddsAndLookups) {
    // Both tables against plain maps that do what the handler promises, over
    // enough keys that the index grows several times, with pointers taken
    // early checked again at the end.
    std::mt19937 random(17);
    std::map<std::string, std::string> utf8Model;
    std::map<std::string, std::string> wideModel;  // the UTF-8 text each UTF-16 text comes from
    std::map<std::string, const char*> utf8Seen;
    std::map<std::string, const text::WideChar*> wideSeen;
    LangHandler handler;
    const auto key = [&random] {
        const unsigned n = random() % 6000;
        // Shapes that share long prefixes, differ past eight bytes, or are short.
        return n % 3 == 0   ? "Text " + std::to_string(n) + ": the same long tail"
               : n % 3 == 1 ? std::string(n % 9, 'k') + std::to_string(n)
                            : std::to_string(n);
    };
    for (int step = 0; step < 40000; ++step) {
        const std::string k = key();
        switch (random() % 3) {
            case 0: {
                const std::string t = "t" + std::to_string(step);
                handler.AddText(k.c_str(), t.c_str());
                utf8Model.emplace(k, t);
                wideModel.emplace(k, t);
                break;
            }
            case 1: {
                const char* got = handler.GetUtf8String(k.c_str());
                ASSERT_EQ(got, utf8Model.emplace(k, k).first->second) << k;
                ASSERT_EQ(utf8Seen.emplace(k, got).first->second, got) << k;
                break;
            }
            default: {
                const text::WideChar* got = handler.GetWideString(k.c_str());
                ASSERT_EQ(WideString(got), text::utf8ToWide(wideModel.emplace(k, k).first->second))
                    << k;
                ASSERT_EQ(wideSeen.emplace(k, got).first->second, got) << k;
            }
        }
    }
    EXPECT_EQ(handler.tables().utf8Size(), utf8Model.size());
    EXPECT_EQ(handler.tables().wideSize(), wideModel.size());
    for (const auto& [k, pointer] : utf8Seen) {
        EXPECT_EQ(handler.GetUtf8String(k.c_str()), pointer);
        EXPECT_EQ(std::string(pointer), utf8Model.at(k));
    }
    for (const auto& [k, pointer] : wideSeen) {
        EXPECT_EQ(handler.GetWideString(k.c_str()), pointer);
    }
}

TEST(LangHandler, ALongMissIsConvertedWhole) {
    LangHandler handler;
    // 3000 two-byte characters and a four-byte one: 3002 UTF-16 units.
    std::string key;
    for (int i = 0; i < 3000; ++i) {
        key += "\xC3\xA9";
    }
    key += "\xF0\x9F\x98\x80";
    const WideString wide = handler.GetWideString(key.c_str());
    ASSERT_EQ(wide.size(), 3002u);
    EXPECT_EQ(wide.find_first_not_of(text::WideChar(0xE9)), 3000u);
    EXPECT_EQ(wide.substr(3000), WideString({0xD83D, 0xDE00}));
    EXPECT_EQ(std::string(handler.GetUtf8String(key.c_str())), key);
}

TEST(LangHandler, ANullKeyIsTheEmptyKey) {
    LangHandler handler;
    handler.AddText(nullptr, nullptr);
    EXPECT_STREQ(handler.GetUtf8String(nullptr), "");
    EXPECT_EQ(WideString(handler.GetWideString(nullptr)), KVR_WIDE(""));
    EXPECT_TRUE(handler.tables().findUtf8(""));
}

}  // namespace
}  // namespace kvr::strings
