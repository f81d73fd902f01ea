#include "candy_gallery/icon_file.h"

#include <cstdint>

namespace tarnwick::gallery {
namespace {

void Put16(std::string& out, unsigned value) {
  out.push_back(char(value & 0xFF));
  out.push_back(char((value >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// The image as the file stores it: a bitmap header of twice the height (colour rows and
// mask rows), the colour rows bottom-up, then the mask rows (all 0: the alpha decides).
std::string IconImage(int width, int height, const std::vector<unsigned>& argb) {
  std::string image;
  Put32(image, 40);
  Put32(image, std::uint32_t(width));
  Put32(image, std::uint32_t(2 * height));
  Put16(image, 1);   // planes
  Put16(image, 32);  // bits per pixel
  for (int i = 0; i < 6; ++i) Put32(image, 0);  // no compression, sizes and colours unset
  for (int y = height - 1; y >= 0; --y)
    for (int x = 0; x < width; ++x) Put32(image, argb[std::size_t(y * width + x)]);
  const int mask_row_bytes = (width + 31) / 32 * 4;
  image.append(std::size_t(mask_row_bytes * height), '\0');
  return image;
}

}  // namespace

std::string EncodeIconFile(int width, int height, const std::vector<unsigned>& argb) {
  const std::string image = IconImage(width, height, argb);
  std::string file;
  Put16(file, 0);
  Put16(file, 1);  // an icon
  Put16(file, 1);  // one image
  file.push_back(char(width & 0xFF));  // 256 is written as 0
  file.push_back(char(height & 0xFF));
  Put16(file, 0);  // no palette, reserved
  Put16(file, 1);
  Put16(file, 32);
  Put32(file, std::uint32_t(image.size()));
  Put32(file, 6 + 16);
  return file + image;
}

}  // namespace tarnwick::gallery
