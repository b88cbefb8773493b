// Cursors copied out of a program file: the file is read for its resources
// only, never loaded as code, and released again. A held cursor is destroyed
// with its holder when it is a copy, and left alone when it is shared.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/cursor.h"
#include "headless/headless.h"

namespace kvr::ui {
namespace {

void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, static_cast<std::uint16_t>(v));
    put16(b, static_cast<std::uint16_t>(v >> 16));
}

// A .res image: the empty leading entry, then one 4-byte entry of the given
// type and ordinal name.
std::vector<std::uint8_t> resImage(std::uint16_t type, std::uint16_t name) {
    std::vector<std::uint8_t> b(32, 0);
    b[4] = 32;
    b[8] = b[9] = 0xFF;
    b[12] = b[13] = 0xFF;
    put32(b, 4);   // data size
    put32(b, 32);  // header size
    put16(b, 0xFFFF), put16(b, type);
    put16(b, 0xFFFF), put16(b, name);
    put32(b, 0), put16(b, 0x1030), put16(b, 0x0409), put32(b, 0), put32(b, 0);
    put32(b, 0);  // the data
    return b;
}

TEST(FileCursor, IsCopiedFromAFileLoadedAsDataAndTheFileIsReleased) {
    const auto withCursor = resImage(12, 106);  // RT_GROUP_CURSOR 106
    const auto withoutCursor = resImage(12, 107);
    kvrHeadlessRegisterFile(u"C:\\windows\\with.exe", withCursor.data(), withCursor.size());
    kvrHeadlessRegisterFile(u"C:\\windows\\without.exe", withoutCursor.data(),
                            withoutCursor.size());
    const int cursors = kvrHeadlessLiveCursors();

    HCURSOR copy = CopyFileCursor(u"C:\\windows\\with.exe", 106);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(kvrHeadlessLiveCursors(), cursors + 1) << "a private copy";
    EXPECT_TRUE(DestroyCursor(copy));
    EXPECT_EQ(CopyFileCursor(u"C:\\windows\\without.exe", 106), nullptr);
    EXPECT_EQ(CopyFileCursor(u"C:\\windows\\missing.exe", 106), nullptr);

    EXPECT_EQ(kvrHeadlessCodeLoads(), 0) << "never mapped as code";
    EXPECT_EQ(kvrHeadlessLoadedFiles(), 0) << "released again";
    EXPECT_EQ(kvrHeadlessLiveCursors(), cursors);
}

TEST(HeldCursor, DestroysItsCopyButNeverASharedCursor) {
    HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    ASSERT_NE(hand, nullptr);
    const int cursors = kvrHeadlessLiveCursors();
    {
        OwnedCursor shared, copy;
        shared.share(hand, true);
        copy.reset(CopyIcon(hand), true);
        EXPECT_EQ(kvrHeadlessLiveCursors(), cursors + 1);
        EXPECT_TRUE(IsModuleHandCursor(shared.get()));
        EXPECT_TRUE(IsModuleHandCursor(copy.get()));
        copy.share(hand);  // the copy goes, the shared cursor is held, not as a hand
        EXPECT_EQ(kvrHeadlessLiveCursors(), cursors);
        EXPECT_TRUE(IsModuleHandCursor(hand)) << "still held as a hand by the first";
    }
    EXPECT_FALSE(IsModuleHandCursor(hand));
    HCURSOR before = SetCursor(hand);
    EXPECT_EQ(GetCursor(), hand) << "the shared cursor is still there to show";
    SetCursor(before);
}

}  // namespace
}  // namespace kvr::ui
