// A minimal PNG encoder for screenshots: 8-bit RGB, no filtering, and zlib
// data in stored (uncompressed) deflate blocks. No library, no platform code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvr::testing {

// Pixels row by row from the top, three bytes (red, green, blue) each.
struct RgbImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

// The PNG file's bytes; empty when the image is empty or its pixel buffer
// does not hold exactly width * height * 3 bytes.
std::vector<std::uint8_t> EncodePng(const RgbImage& image);

// The checksums PNG and zlib use, exposed for the tests.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

}  // namespace kvr::testing
