#pragma once
// Pictures of the simulated platform: RGBA pixels in memory, made in code or read from a
// picture file (PNG, JPEG, BMP, GIF).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"

namespace tarnwick::sim {

struct Rgba {
  std::uint8_t red = 0, green = 0, blue = 0, alpha = 0;
};

class RasterPicture : public platform::PictureData {
 public:
  RasterPicture(int width, int height, std::vector<Rgba> pixels);
  int WidthPixels() const override { return width_; }
  int HeightPixels() const override { return height_; }
  const Rgba& At(int x, int y) const { return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

 private:
  int width_, height_;
  std::vector<Rgba> pixels_;
};

platform::Picture MakeRasterPicture(int width, int height, std::vector<Rgba> pixels);
// nullopt when the file is missing or holds no picture.
std::optional<platform::Picture> LoadRasterPicture(const std::string& path);

}  // namespace tarnwick::sim
