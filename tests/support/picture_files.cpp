#include "support/picture_files.h"

namespace tarnwick::test {
namespace {
void PutLittle(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}
void PutBig(std::string& out, std::uint32_t value) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<char>(value >> (8 * i)));
}
}  // namespace

std::string SolidBmp(int width, int height, std::uint32_t rgb) {
  const int row_bytes = (width * 3 + 3) / 4 * 4;
  const auto pixel_bytes = static_cast<std::uint32_t>(row_bytes * height);
  std::string bmp = "BM";
  PutLittle(bmp, 54 + pixel_bytes, 4);
  PutLittle(bmp, 0, 4);
  PutLittle(bmp, 54, 4);
  PutLittle(bmp, 40, 4);
  PutLittle(bmp, static_cast<std::uint32_t>(width), 4);
  PutLittle(bmp, static_cast<std::uint32_t>(height), 4);
  PutLittle(bmp, 1, 2);
  PutLittle(bmp, 24, 2);
  PutLittle(bmp, 0, 4);
  PutLittle(bmp, pixel_bytes, 4);
  for (int i = 0; i < 4; ++i) PutLittle(bmp, 0, 4);
  std::string row;
  for (int x = 0; x < width; ++x) PutLittle(row, rgb, 3);  // blue, green, red
  row.resize(static_cast<std::size_t>(row_bytes), '\0');
  for (int y = 0; y < height; ++y) bmp += row;
  return bmp;
}

std::string PngHeaderOnly(std::uint32_t width, std::uint32_t height) {
  std::string png = "\x89PNG\r\n\x1a\n";
  PutBig(png, 13);
  png += "IHDR";
  PutBig(png, width);
  PutBig(png, height);
  png += std::string("\x08\x02\x00\x00\x00", 5);
  PutBig(png, 0);  // checksum, not checked before the size is known
  return png;
}

}  // namespace tarnwick::test
