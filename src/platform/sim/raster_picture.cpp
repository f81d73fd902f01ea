#include "platform/sim/raster_picture.h"

namespace tarnwick::sim {

RasterPicture::RasterPicture(int width, int height, std::vector<Rgba> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
  if (width_ < 0 || height_ < 0 ||
      pixels_.size() != std::size_t(width_) * std::size_t(height_)) {
    width_ = height_ = 0;
    pixels_.clear();
  }
}

platform::Picture MakeRasterPicture(int width, int height, std::vector<Rgba> pixels) {
  return platform::Picture(std::make_shared<RasterPicture>(width, height, std::move(pixels)));
}

}  // namespace tarnwick::sim
