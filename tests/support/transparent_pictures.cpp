#include <stb/stb_image_write.h>

#include <algorithm>

#include "support/picture_files.h"

namespace tarnwick::test {
namespace {

void AppendToString(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
}

void PutShort(std::string& out, int value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8 & 0xFF));
}

// LZW codes of 3 bits, least significant bit first. A clear code before every second pixel keeps
// the decoder's table from growing past 3-bit codes, so every pixel can be a literal.
std::string LiteralLzw(const std::vector<int>& indices) {
  constexpr int kClear = 4, kEnd = 5, kBits = 3;
  std::string bytes;
  std::uint32_t buffer = 0;
  int filled = 0;
  const auto put = [&](int code) {
    buffer |= static_cast<std::uint32_t>(code) << filled;
    for (filled += kBits; filled >= 8; filled -= 8, buffer >>= 8) bytes.push_back(static_cast<char>(buffer & 0xFF));
  };
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i % 2 == 0) put(kClear);
    put(indices[i]);
  }
  put(kEnd);
  if (filled > 0) bytes.push_back(static_cast<char>(buffer & 0xFF));
  return bytes;
}

// The colour (0xRRGGBB) of the first pixel that has alpha, black when none has.
std::uint32_t FirstOpaqueColour(const std::vector<std::uint32_t>& pixels) {
  const auto opaque = std::find_if(pixels.begin(), pixels.end(), [](std::uint32_t p) { return p >> 24 != 0; });
  return opaque == pixels.end() ? 0 : *opaque & 0xFFFFFF;
}

}  // namespace

std::string AlphaPng(int width, int height, const std::vector<std::uint32_t>& pixels) {
  std::vector<unsigned char> rgba;
  for (const std::uint32_t argb : pixels) {
    for (const int shift : {16, 8, 0, 24}) rgba.push_back(static_cast<unsigned char>(argb >> shift & 0xFF));
  }
  std::string png;
  stbi_write_png_to_func(AppendToString, &png, width, height, 4, rgba.data(), width * 4);
  return png;
}

std::string TransparentGif(int width, int height, const std::vector<std::uint32_t>& pixels) {
  const std::uint32_t rgb = FirstOpaqueColour(pixels);
  std::string gif = "GIF89a";
  PutShort(gif, width);
  PutShort(gif, height);
  gif += std::string("\x80\x00\x00", 3);  // a global table of two colours
  gif += {static_cast<char>(rgb >> 16), static_cast<char>(rgb >> 8 & 0xFF), static_cast<char>(rgb & 0xFF), 0, 0, 0};
  gif += std::string("\x21\xF9\x04\x01\x00\x00\x01\x00", 8);  // index 1 is transparent
  gif += '\x2C';
  PutShort(gif, 0);
  PutShort(gif, 0);
  PutShort(gif, width);
  PutShort(gif, height);
  gif += std::string("\x00\x02", 2);  // no local table; LZW codes start at 2 bits + 1
  std::vector<int> indices;
  for (const std::uint32_t p : pixels) indices.push_back(p >> 24 == 0 ? 1 : 0);
  const std::string data = LiteralLzw(indices);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::string block = data.substr(at, 255);
    gif += static_cast<char>(block.size());
    gif += block;
  }
  gif += std::string("\x00\x3B", 2);
  return gif;
}

std::string BitmapIcon(int width, int height, const std::vector<std::uint32_t>& pixels, int bits) {
  const int row = (width * bits + 31) / 32 * 4, mask_row = (width + 31) / 32 * 4;
  std::string table, rows, mask;
  if (bits <= 8) {  // black, then the colour of the first pixel with alpha
    const std::uint32_t rgb = FirstOpaqueColour(pixels);
    table.append(4, '\0');
    table += {static_cast<char>(rgb & 0xFF), static_cast<char>(rgb >> 8 & 0xFF), static_cast<char>(rgb >> 16), 0};
    table.resize(std::size_t(4) << bits, '\0');
  }
  for (int y = height - 1; y >= 0; --y) {  // bottom up
    std::string colour_line(static_cast<std::size_t>(row), '\0'), mask_line(static_cast<std::size_t>(mask_row), '\0');
    for (int x = 0; x < width; ++x) {
      const std::uint32_t argb = pixels[static_cast<std::size_t>(y * width + x)];
      if (bits <= 8) {
        const int bit = x * bits;
        colour_line[static_cast<std::size_t>(bit / 8)] |= static_cast<char>((argb >> 24 != 0 ? 1 : 0) << (8 - bits - bit % 8));
      } else {
        for (int i = 0; i < bits / 8; ++i) colour_line[static_cast<std::size_t>(x * bits / 8 + i)] = static_cast<char>(argb >> (8 * i));
      }
      if (argb >> 24 == 0) mask_line[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    rows += colour_line;
    mask += mask_line;
  }
  std::string icon;
  PutShort(icon, 0);
  PutShort(icon, 1);
  PutShort(icon, 1);
  icon += {static_cast<char>(width), static_cast<char>(height), 0, 0, 1, 0, static_cast<char>(bits), 0};
  const auto size = static_cast<int>(40 + table.size() + rows.size() + mask.size());
  PutShort(icon, size & 0xFFFF);
  PutShort(icon, size >> 16);
  PutShort(icon, 22);  // the picture follows the directory
  PutShort(icon, 0);
  for (const int value : {40, width, 2 * height}) {
    PutShort(icon, value);
    PutShort(icon, 0);
  }
  PutShort(icon, 1);
  PutShort(icon, bits);
  icon.append(24, '\0');  // no compression, sizes and colour counts left to the reader
  return icon + table + rows + mask;
}

std::vector<std::uint32_t> LeftHalfOpaque(int width, int height, std::uint32_t rgb) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = static_cast<int>(i % static_cast<std::size_t>(width)) < width / 2 ? 0xFF000000u | rgb : 0;
  }
  return pixels;
}

}  // namespace tarnwick::test
