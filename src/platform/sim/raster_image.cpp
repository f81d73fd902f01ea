#include "platform/sim/raster_image.h"

#include <algorithm>

namespace tarnwick::sim {

RasterImage::RasterImage(int width, int height, platform::Colour fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(std::size_t(width_) * std::size_t(height_), fill) {}

void RasterImage::FillRun(int y, int left, int right, platform::Colour colour) {
  if (y < 0 || y >= height_) return;
  left = std::max(left, 0);
  right = std::min(right, width_);
  if (left >= right) return;
  std::fill(pixels_.begin() + std::ptrdiff_t(Index(left, y)),
            pixels_.begin() + std::ptrdiff_t(Index(left, y)) + (right - left), colour);
}

void RasterImage::Paste(const RasterImage& source, int x, int y) {
  for (int row = 0; row < source.Height(); ++row)
    for (int column = 0; column < source.Width(); ++column)
      Set(x + column, y + row, source.At(column, row));
}

}  // namespace tarnwick::sim
