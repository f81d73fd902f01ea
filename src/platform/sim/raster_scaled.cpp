#include "platform/sim/raster_scaled.h"

#include <algorithm>

#include "platform/common/picture_scaling.h"

namespace tarnwick::sim {
namespace {

// 0xAABBGGRR to the same layout premultiplied by alpha.
platform::PixelGrid Premultiplied(const SimPictureData& picture) {
  platform::PixelGrid grid{picture.WidthPixels(), picture.HeightPixels(), picture.Pixels()};
  for (std::uint32_t& pixel : grid.pixels) {
    const std::uint32_t alpha = pixel >> 24;
    std::uint32_t out = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) out |= ((pixel >> shift & 0xFF) * alpha + 127) / 255 << shift;
    pixel = out;
  }
  return grid;
}

platform::Colour Over(std::uint32_t premultiplied, platform::Colour below) {
  const std::uint32_t alpha = premultiplied >> 24;
  const auto channel = [&](int shift) {
    const std::uint32_t top = premultiplied >> shift & 0xFF, under = below >> shift & 0xFF;
    return static_cast<int>(std::min<std::uint32_t>(255, top + (under * (255 - alpha) + 127) / 255));
  };
  return platform::MakeColour(channel(0), channel(8), channel(16));
}

}  // namespace

void DrawPictureAtDpi(RasterImage& image, const SimPictureData& picture, int dpi, const platform::PixelRect& where) {
  const platform::PixelGrid source = Premultiplied(picture);
  const platform::PixelGrid shown =
      dpi == platform::kDesignDpi
          ? source
          : platform::Resample(source, platform::ScaledLength(source.width, dpi), platform::ScaledLength(source.height, dpi));
  const int width = std::min(shown.width, where.right - where.left);
  const int height = std::min(shown.height, where.bottom - where.top);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int to_x = where.left + x, to_y = where.top + y;
      if (!image.Inside(to_x, to_y)) continue;
      image.Set(to_x, to_y, Over(shown.pixels[std::size_t(y) * std::size_t(shown.width) + std::size_t(x)], image.At(to_x, to_y)));
    }
  }
}

}  // namespace tarnwick::sim
