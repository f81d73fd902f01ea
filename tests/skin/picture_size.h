#pragma once
// Reads the pixel size of a picture file from its header, for the skin checks.
#include <stb/stb_image.h>

#include <filesystem>
#include <utility>

namespace tarnwick::skin_test {

// {width, height}, or {0, 0} when the file is missing or no picture.
inline std::pair<int, int> PictureSize(const std::filesystem::path& file) {
  int width = 0, height = 0, channels = 0;
  if (!stbi_info(file.string().c_str(), &width, &height, &channels)) return {0, 0};
  return {width, height};
}

}  // namespace tarnwick::skin_test
