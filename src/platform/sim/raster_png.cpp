#include "platform/sim/raster_png.h"

#include <stb/stb_image.h>
#include <stb/stb_image_write.h>

#include <memory>
#include <vector>

namespace tarnwick::sim {
namespace {

struct StbPixels {
  int width = 0, height = 0;
  std::unique_ptr<stbi_uc, void (*)(void*)> data{nullptr, stbi_image_free};
};

StbPixels LoadRgba(const std::string& path) {
  StbPixels loaded;
  int channels = 0;
  loaded.data.reset(stbi_load(path.c_str(), &loaded.width, &loaded.height, &channels, 4));
  return loaded;
}

}  // namespace

bool WritePng(const RasterImage& image, const std::string& path) {
  // Rows without a filter: the encoder then skips trying all five filters on every row, which
  // made up most of its time; the files grow by a few percent.
  stbi_write_force_png_filter = 0;
  std::vector<unsigned char> rgb;
  rgb.reserve(image.Pixels().size() * 3);
  for (platform::Colour c : image.Pixels()) {
    rgb.push_back(static_cast<unsigned char>(c & 0xFF));
    rgb.push_back(static_cast<unsigned char>(c >> 8 & 0xFF));
    rgb.push_back(static_cast<unsigned char>(c >> 16 & 0xFF));
  }
  return image.Width() > 0 && image.Height() > 0 &&
         stbi_write_png(path.c_str(), image.Width(), image.Height(), 3, rgb.data(),
                        image.Width() * 3) != 0;
}

std::optional<RasterImage> ReadPng(const std::string& path) {
  const StbPixels loaded = LoadRgba(path);
  if (!loaded.data) return std::nullopt;
  RasterImage image(loaded.width, loaded.height);
  const stbi_uc* p = loaded.data.get();
  for (int y = 0; y < loaded.height; ++y)
    for (int x = 0; x < loaded.width; ++x, p += 4) image.Set(x, y, platform::MakeColour(p[0], p[1], p[2]));
  return image;
}

}  // namespace tarnwick::sim
