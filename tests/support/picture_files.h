#pragma once
// Small picture files for tests: a valid BMP of any size, and broken files of several kinds.
#include <cstdint>
#include <string>

namespace tarnwick::test {

// A 24-bit BMP of `width` x `height` pixels filled with one colour (0xRRGGBB).
std::string SolidBmp(int width, int height, std::uint32_t rgb);
// A PNG signature and header that claim `width` x `height` pixels, with no picture data.
std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height);

}  // namespace tarnwick::test
