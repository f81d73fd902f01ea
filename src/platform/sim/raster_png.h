#pragma once
// PNG files of raster images (opaque, 8 bits per channel).
#include <optional>
#include <string>

#include "platform/sim/raster_image.h"

namespace tarnwick::sim {

[[nodiscard]] bool WritePng(const RasterImage& image, const std::string& path);
// nullopt when the file is missing or no picture; transparency is dropped.
std::optional<RasterImage> ReadPng(const std::string& path);

}  // namespace tarnwick::sim
