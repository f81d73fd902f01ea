#pragma once
// An .ico file holding one 32-bit image with its transparency.
#include <string>
#include <vector>

namespace tarnwick::gallery {

// `argb` holds width x height 0xAARRGGBB pixels, row by row from the top (1 to 256 each way).
std::string EncodeIconFile(int width, int height, const std::vector<unsigned>& argb);

}  // namespace tarnwick::gallery
