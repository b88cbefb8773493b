// The screenshot PNG encoder: checksums against published values, and encoded
// images read back by a small independent reader of the same format subset.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "testing/png_writer.h"

namespace kvr::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

std::uint32_t BigEndian32(const Bytes& data, std::size_t at) {
    return std::uint32_t{data.at(at)} << 24 | std::uint32_t{data.at(at + 1)} << 16 |
           std::uint32_t{data.at(at + 2)} << 8 | data.at(at + 3);
}

struct Chunk {
    std::string type;
    Bytes data;
};

struct DecodedPng {
    std::vector<Chunk> chunks;
    RgbImage image;
    std::size_t storedBlocks = 0;
};

// Reads what EncodePng writes: checks every length, CRC, header field, block
// header and the Adler-32 of the stream, and fails the test on any mismatch.
void Decode(const Bytes& png, DecodedPng& out) {
    const Bytes signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GE(png.size(), 8u);
    ASSERT_EQ(Bytes(png.begin(), png.begin() + 8), signature);
    for (std::size_t at = 8; at < png.size();) {
        ASSERT_LE(at + 12, png.size());
        const std::uint32_t length = BigEndian32(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        const std::uint8_t* typeAndData = png.data() + at + 4;
        EXPECT_EQ(BigEndian32(png, at + 8 + length), Crc32(typeAndData, 4 + length))
            << "CRC of chunk at " << at;
        out.chunks.push_back({std::string(typeAndData, typeAndData + 4),
                              Bytes(typeAndData + 4, typeAndData + 4 + length)});
        at += 12 + length;
    }
    ASSERT_EQ(out.chunks.size(), 3u);
    ASSERT_EQ(out.chunks[0].type, "IHDR");
    ASSERT_EQ(out.chunks[1].type, "IDAT");
    ASSERT_EQ(out.chunks[2].type, "IEND");
    EXPECT_TRUE(out.chunks[2].data.empty());

    const Bytes& header = out.chunks[0].data;
    ASSERT_EQ(header.size(), 13u);
    out.image.width = BigEndian32(header, 0);
    out.image.height = BigEndian32(header, 4);
    EXPECT_EQ(Bytes(header.begin() + 8, header.end()), (Bytes{8, 2, 0, 0, 0}))
        << "8-bit RGB, deflate, no interlace";

    const Bytes& z = out.chunks[1].data;
    ASSERT_GE(z.size(), 6u);
    EXPECT_EQ(z[0] & 0x0F, 8) << "deflate";
    EXPECT_EQ((z[0] << 8 | z[1]) % 31, 0) << "zlib header check bits";
    EXPECT_EQ(z[1] & 0x20, 0) << "no preset dictionary";
    Bytes raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        ASSERT_LE(at + 5, z.size() - 4);
        ASSERT_EQ(z[at] & 0x06, 0) << "stored block";
        last = (z[at] & 1) != 0;
        const unsigned size = z[at + 1] | z[at + 2] << 8;
        const unsigned complement = z[at + 3] | z[at + 4] << 8;
        ASSERT_EQ(size ^ 0xFFFFu, complement);
        ASSERT_LE(at + 5 + size, z.size() - 4);
        raw.insert(raw.end(), z.begin() + at + 5, z.begin() + at + 5 + size);
        at += 5 + size;
        ++out.storedBlocks;
    }
    ASSERT_EQ(at, z.size() - 4) << "nothing between the last block and the checksum";
    EXPECT_EQ(BigEndian32(z, at), Adler32(raw.data(), raw.size()));

    const std::size_t rowBytes = std::size_t{out.image.width} * 3;
    ASSERT_EQ(raw.size(), (rowBytes + 1) * out.image.height);
    for (std::size_t row = 0; row < out.image.height; ++row) {
        const auto start = raw.begin() + row * (rowBytes + 1);
        ASSERT_EQ(*start, 0) << "filter type of row " << row;
        out.image.pixels.insert(out.image.pixels.end(), start + 1, start + 1 + rowBytes);
    }
}

RgbImage Gradient(std::uint32_t width, std::uint32_t height) {
    RgbImage image{width, height, {}};
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            image.pixels.push_back(static_cast<std::uint8_t>(x));
            image.pixels.push_back(static_cast<std::uint8_t>(y));
            image.pixels.push_back(static_cast<std::uint8_t>(x * 7 + y * 13));
        }
    }
    return image;
}

TEST(PngChecksums, MatchPublishedValues) {
    const Bytes digits = BytesOf("123456789");
    EXPECT_EQ(Crc32(digits.data(), digits.size()), 0xCBF43926u);
    const Bytes iend = BytesOf("IEND");
    EXPECT_EQ(Crc32(iend.data(), iend.size()), 0xAE426082u);
    EXPECT_EQ(Crc32(nullptr, 0), 0u);

    const Bytes word = BytesOf("Wikipedia");
    EXPECT_EQ(Adler32(word.data(), word.size()), 0x11E60398u);
    EXPECT_EQ(Adler32(nullptr, 0), 1u);
    // Long enough for the sums to be reduced many times on the way.
    const Bytes ones(100000, 0xFF);
    EXPECT_EQ(Adler32(ones.data(), ones.size()), 0x149A302Cu);
}

TEST(PngChecksums, ContinueAcrossPieces) {
    const Bytes text = BytesOf("a screenshot of the About box");
    const std::size_t half = text.size() / 2;
    EXPECT_EQ(Crc32(text.data() + half, text.size() - half, Crc32(text.data(), half)),
              Crc32(text.data(), text.size()));
    EXPECT_EQ(Adler32(text.data() + half, text.size() - half, Adler32(text.data(), half)),
              Adler32(text.data(), text.size()));
}

TEST(PngEncoder, SmallImageReadsBackExactly) {
    const RgbImage image{3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3, 250, 251, 252, 0, 0, 0}};
    DecodedPng decoded;
    ASSERT_NO_FATAL_FAILURE(Decode(EncodePng(image), decoded));
    EXPECT_EQ(decoded.image.width, 3u);
    EXPECT_EQ(decoded.image.height, 2u);
    EXPECT_EQ(decoded.image.pixels, image.pixels);
    EXPECT_EQ(decoded.storedBlocks, 1u);
}

TEST(PngEncoder, SplitsDataIntoStoredBlocksAtTheLimit) {
    // 771 rows of 1 + 28 * 3 bytes are 65535 bytes: exactly one full block.
    // One more row needs a second block; a dialog-sized picture needs many.
    struct Case {
        std::uint32_t width, height;
        std::size_t blocks;
    };
    for (const Case& c : {Case{28, 771, 1}, Case{28, 772, 2}, Case{400, 300, 6}}) {
        const RgbImage image = Gradient(c.width, c.height);
        DecodedPng decoded;
        ASSERT_NO_FATAL_FAILURE(Decode(EncodePng(image), decoded)) << c.width << "x" << c.height;
        EXPECT_EQ(decoded.storedBlocks, c.blocks) << c.width << "x" << c.height;
        EXPECT_EQ(decoded.image.pixels, image.pixels) << c.width << "x" << c.height;
    }
}

TEST(PngEncoder, RefusesImagesThatDoNotAddUp) {
    EXPECT_TRUE(EncodePng(RgbImage{0, 2, {}}).empty());
    EXPECT_TRUE(EncodePng(RgbImage{2, 0, {}}).empty());
    EXPECT_TRUE(EncodePng(RgbImage{2, 2, Bytes(11, 0)}).empty());
    EXPECT_TRUE(EncodePng(RgbImage{2, 2, Bytes(13, 0)}).empty());
    // 3 * width wraps to 2 in 32-bit arithmetic; the check must not wrap.
    EXPECT_TRUE(EncodePng(RgbImage{0x55555556u, 1, Bytes(2, 0)}).empty());
    EXPECT_TRUE(EncodePng(RgbImage{0x80000000u, 1, Bytes(3, 0)}).empty()) << "beyond PNG's limit";
    EXPECT_FALSE(EncodePng(RgbImage{2, 2, Bytes(12, 0)}).empty());
}

}  // namespace
}  // namespace kvr::testing
