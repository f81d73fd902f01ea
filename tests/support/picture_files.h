#pragma once
// Small picture files for tests: a valid BMP of any size, pictures with transparent parts, and
// broken files of several kinds.
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::test {

// A 24-bit BMP of `width` x `height` pixels filled with one colour (0xRRGGBB).
std::string SolidBmp(int width, int height, std::uint32_t rgb);
// Pictures whose pixel (x, y) is `pixels[y * width + x]`, 0xAARRGGBB.
// A PNG with an alpha channel.
std::string AlphaPng(int width, int height, const std::vector<std::uint32_t>& pixels);
// A GIF of two colours: pixels with alpha 0 take its transparent index, all others the colour of
// the first pixel that has alpha.
std::string TransparentGif(int width, int height, const std::vector<std::uint32_t>& pixels);
// An icon file of one bitmap picture: of 32 bits per pixel with alpha, or of 24, 8, 4 or 1 bits
// with a mask that leaves out the pixels whose alpha is 0 (below 24 bits, of two colours: black
// and the colour of the first pixel with alpha).
std::string BitmapIcon(int width, int height, const std::vector<std::uint32_t>& pixels, int bits);
// The pixels of a picture whose left half is `rgb`, opaque, and whose right half is transparent.
std::vector<std::uint32_t> LeftHalfOpaque(int width, int height, std::uint32_t rgb);
// A PNG signature and header that claim `width` x `height` pixels, with no picture data.
std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height);

}  // namespace tarnwick::test
