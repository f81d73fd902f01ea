#pragma once
// A plain 32-bit image in memory: pixels are 0x00BBGGRR colours, row by row from the top.
#include <cstdint>
#include <vector>

#include "platform/colour_port.h"

namespace tarnwick::sim {

class RasterImage {
 public:
  RasterImage() = default;
  RasterImage(int width, int height, platform::Colour fill = platform::kBlack);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  platform::Colour At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Pixel writes outside the image are ignored.
  void Set(int x, int y, platform::Colour colour) {
    if (Inside(x, y)) pixels_[Index(x, y)] = colour;
  }
  // Fills [left, right) of row y, clipped to the image.
  void FillRun(int y, int left, int right, platform::Colour colour);
  // Copies `source` with its top left at (x, y), clipped.
  void Paste(const RasterImage& source, int x, int y);
  const std::vector<platform::Colour>& Pixels() const { return pixels_; }

  friend bool operator==(const RasterImage&, const RasterImage&) = default;

 private:
  std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(width_) + std::size_t(x); }

  int width_ = 0, height_ = 0;
  std::vector<platform::Colour> pixels_;
};

}  // namespace tarnwick::sim
