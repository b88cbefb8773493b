#include "testing/png_writer.h"

#include <array>
#include <limits>

namespace kvr::testing {

namespace {

constexpr std::size_t kMaxStoredBlock = 65535;
// PNG limits dimensions and chunk lengths to 2^31 - 1.
constexpr std::uint64_t kMaxPngValue = 0x7FFFFFFFu;

std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) {
            c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        table[n] = c;
    }
    return table;
}

void PutBigEndian32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value >> 24));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value));
}

void PutLittleEndian16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

// Length, type, data, and the CRC of type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5],
              const std::vector<std::uint8_t>& data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    std::size_t typeStart = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian32(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// The zlib stream of the raw scanlines: each row is preceded by its filter
// type byte (0, none), and the whole is cut into stored deflate blocks.
std::vector<std::uint8_t> ZlibStored(const RgbImage& image) {
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * image.height);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        raw.push_back(0);
        auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }

    std::vector<std::uint8_t> out;
    out.reserve(raw.size() + raw.size() / kMaxStoredBlock * 5 + 16);
    out.push_back(0x78);  // deflate, 32 KiB window
    out.push_back(0x01);  // no dictionary, fastest; (0x78 << 8 | 0x01) % 31 == 0
    std::size_t offset = 0;
    do {
        std::size_t size = raw.size() - offset;
        if (size > kMaxStoredBlock) {
            size = kMaxStoredBlock;
        }
        bool last = offset + size == raw.size();
        out.push_back(last ? 1 : 0);  // BFINAL, BTYPE 00 (stored), byte-aligned
        PutLittleEndian16(out, static_cast<std::uint16_t>(size));
        PutLittleEndian16(out, static_cast<std::uint16_t>(~size));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + size));
        offset += size;
    } while (offset < raw.size());
    PutBigEndian32(out, Adler32(raw.data(), raw.size()));
    return out;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    static const std::array<std::uint32_t, 256> table = MakeCrcTable();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc = table[(crc ^ data[i]) & 0xFFu] ^ (crc >> 8);
    }
    return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler) {
    constexpr std::uint32_t kModulus = 65521;
    // 5552 bytes is the most that can be summed before the 32-bit sums overflow.
    constexpr std::size_t kRun = 5552;
    std::uint32_t a = adler & 0xFFFFu, b = adler >> 16;
    while (size > 0) {
        std::size_t run = size < kRun ? size : kRun;
        size -= run;
        for (; run > 0; --run) {
            a += *data++;
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
    }
    return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const RgbImage& image) {
    if (image.width == 0 || image.height == 0 || image.width > kMaxPngValue ||
        image.height > kMaxPngValue) {
        return {};
    }
    const std::uint64_t rowBytes = std::uint64_t{image.width} * 3;
    if (std::uint64_t{image.height} * rowBytes != image.pixels.size() ||
        (rowBytes + 1) * image.height > std::numeric_limits<std::size_t>::max() / 2) {
        return {};
    }

    std::vector<std::uint8_t> header;
    PutBigEndian32(header, image.width);
    PutBigEndian32(header, image.height);
    header.push_back(8);  // bit depth
    header.push_back(2);  // colour type: RGB
    header.push_back(0);  // compression: deflate
    header.push_back(0);  // filter method
    header.push_back(0);  // no interlace

    std::vector<std::uint8_t> data = ZlibStored(image);
    if (data.size() > kMaxPngValue) {
        return {};
    }

    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> png(kSignature, kSignature + 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", data);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace kvr::testing
