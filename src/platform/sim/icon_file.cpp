#include "platform/sim/icon_file.h"

#include <stb/stb_image.h>

#include <algorithm>
#include <memory>

namespace tarnwick::sim {
namespace {

constexpr std::size_t kDirectoryHeader = 6, kInfoHeader = 40;
constexpr int kLargestIcon = 256;

std::uint32_t Little(const std::vector<unsigned char>& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

std::optional<IconPicture> DecodePng(const unsigned char* data, std::size_t size) {
  int width = 0, height = 0, channels = 0;
  const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
      stbi_load_from_memory(data, static_cast<int>(size), &width, &height, &channels, 4), stbi_image_free);
  if (!rgba) return std::nullopt;
  IconPicture picture{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const stbi_uc* p = rgba.get() + 4 * i;
    picture.pixels[i] = p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
  }
  return picture;
}

// Where the parts of a bitmap picture lie in the file: its colour table, colour rows and mask
// rows, each row from the bottom up and padded to four bytes.
struct BitmapLayout {
  int width = 0, height = 0, bits = 0;
  std::size_t colours = 0, rows = 0, row = 0, mask = 0, mask_row = 0;
};

std::size_t Stride(int width, int bits) { return (std::size_t(width) * std::size_t(bits) + 31) / 32 * 4; }

std::optional<BitmapLayout> LayoutAt(const std::vector<unsigned char>& bytes, std::size_t at) {
  if (at + kInfoHeader > bytes.size()) return std::nullopt;
  BitmapLayout layout;
  layout.width = static_cast<int>(Little(bytes, at + 4, 4));
  layout.height = static_cast<int>(Little(bytes, at + 8, 4)) / 2;  // colour rows and mask rows
  layout.bits = static_cast<int>(Little(bytes, at + 14, 2));
  if (layout.width <= 0 || layout.height <= 0 || layout.width > kLargestIcon || layout.height > kLargestIcon) {
    return std::nullopt;
  }
  if (layout.bits != 1 && layout.bits != 4 && layout.bits != 8 && layout.bits != 24 && layout.bits != 32) {
    return std::nullopt;
  }
  const std::size_t used = Little(bytes, at + 32, 4);
  layout.colours = at + Little(bytes, at, 4);
  layout.rows = layout.colours + (layout.bits <= 8 ? (used != 0 ? used : std::size_t(1) << layout.bits) * 4 : 0);
  layout.row = Stride(layout.width, layout.bits);
  layout.mask_row = Stride(layout.width, 1);
  layout.mask = layout.rows + layout.row * std::size_t(layout.height);
  if (layout.mask + layout.mask_row * std::size_t(layout.height) > bytes.size()) return std::nullopt;
  return layout;
}

// Pixel (x, y) from the top as 0xAARRGGBB, as the file stores it; opaque below 32 bits.
std::uint32_t ColourAt(const std::vector<unsigned char>& bytes, const BitmapLayout& layout, int x, int y) {
  const std::size_t row = layout.rows + layout.row * std::size_t(layout.height - 1 - y);
  if (layout.bits == 32) return Little(bytes, row + std::size_t(x) * 4, 4);
  if (layout.bits == 24) return Little(bytes, row + std::size_t(x) * 3, 3) | 0xFF000000u;
  const std::size_t bit = std::size_t(x) * std::size_t(layout.bits);
  const unsigned index = bytes[row + bit / 8] >> (8 - layout.bits - static_cast<int>(bit % 8)) & ((1u << layout.bits) - 1);
  const std::size_t entry = layout.colours + std::size_t(index) * 4;
  return entry + 4 <= layout.rows ? (Little(bytes, entry, 3) | 0xFF000000u) : 0xFF000000u;
}

bool MaskedAt(const std::vector<unsigned char>& bytes, const BitmapLayout& layout, int x, int y) {
  const std::size_t row = layout.mask + layout.mask_row * std::size_t(layout.height - 1 - y);
  return (bytes[row + std::size_t(x) / 8] >> (7 - x % 8) & 1) != 0;
}

// The mask clears pixels, unless a 32-bit picture carries an alpha channel of its own.
std::optional<IconPicture> DecodeBitmap(const std::vector<unsigned char>& bytes, std::size_t at) {
  const std::optional<BitmapLayout> layout = LayoutAt(bytes, at);
  if (!layout) return std::nullopt;
  IconPicture picture{layout->width, layout->height, {}};
  bool own_alpha = false;
  for (int y = 0; y < layout->height; ++y) {
    for (int x = 0; x < layout->width; ++x) own_alpha |= layout->bits == 32 && ColourAt(bytes, *layout, x, y) >> 24 != 0;
  }
  for (int y = 0; y < layout->height; ++y) {
    for (int x = 0; x < layout->width; ++x) {
      const std::uint32_t argb = ColourAt(bytes, *layout, x, y);
      const std::uint32_t alpha = own_alpha ? argb >> 24 : (MaskedAt(bytes, *layout, x, y) ? 0 : 0xFF);
      picture.pixels.push_back(alpha << 24 | (argb & 0xFF) << 16 | (argb & 0xFF00) | (argb >> 16 & 0xFF));
    }
  }
  return picture;
}

}  // namespace

bool LooksLikeIcon(const std::vector<unsigned char>& bytes) {
  return bytes.size() >= kDirectoryHeader && Little(bytes, 0, 2) == 0 && Little(bytes, 2, 2) == 1 &&
         Little(bytes, 4, 2) > 0;
}

std::optional<IconPicture> DecodeIcon(const std::vector<unsigned char>& bytes) {
  constexpr std::size_t kEntry = 16;
  if (!LooksLikeIcon(bytes) || bytes.size() < kDirectoryHeader + kEntry) return std::nullopt;
  const std::size_t size = Little(bytes, kDirectoryHeader + 8, 4), at = Little(bytes, kDirectoryHeader + 12, 4);
  if (at >= bytes.size() || size > bytes.size() - at) return std::nullopt;
  static constexpr unsigned char kPng[] = {0x89, 'P', 'N', 'G'};
  if (size >= 4 && std::equal(std::begin(kPng), std::end(kPng), bytes.begin() + static_cast<std::ptrdiff_t>(at))) {
    return DecodePng(bytes.data() + at, size);
  }
  return DecodeBitmap(bytes, at);
}

}  // namespace tarnwick::sim
