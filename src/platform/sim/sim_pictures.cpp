#include "platform/sim/sim_pictures.h"

#include <stb/stb_image.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/sim/sim_paths.h"

namespace tarnwick::sim {
namespace {

struct DesignSize {
  int width, height;
  const char* name;
};

DesignSize DesignSizeOf(platform::DesignPicture which, int offset) {
  using platform::DesignPicture;
  const int index = static_cast<int>(which) + offset;
  if (index == static_cast<int>(DesignPicture::SplashLogo)) return {100, 58, "splash_logo"};
  if (index == static_cast<int>(DesignPicture::MainTopButton)) return {73, 23, "main_top_button"};
  if (index < static_cast<int>(DesignPicture::PanelFolderTab)) return {73, 57, "main_launch_button"};
  if (index < static_cast<int>(DesignPicture::PanelProgramButton)) return {137, 41, "panel_folder_tab"};
  return {73, 57, "panel_button"};
}

std::optional<platform::Picture> Decode(const std::vector<unsigned char>& bytes, const std::string& source) {
  const auto size = static_cast<int>(bytes.size());
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(bytes.data(), size, &width, &height, &channels)) return std::nullopt;
  if (static_cast<long long>(width) * height > platform::kMaxPicturePixels) return std::nullopt;
  unsigned char* rgba = stbi_load_from_memory(bytes.data(), size, &width, &height, &channels, 4);
  if (rgba == nullptr) return std::nullopt;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    pixels[i] = rgba[4 * i] | rgba[4 * i + 1] << 8 | rgba[4 * i + 2] << 16 | static_cast<std::uint32_t>(rgba[4 * i + 3]) << 24;
  }
  stbi_image_free(rgba);
  return platform::Picture(std::make_shared<SimPictureData>(width, height, std::move(pixels), source));
}

std::optional<std::vector<unsigned char>> ReadRegularFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

std::optional<platform::Picture> SimPictures::LoadPicture(const std::string& path) {
  log_.Record("LoadPicture", path);
  const auto bytes = ReadRegularFile(NativePath(path));
  if (!bytes) return std::nullopt;
  return Decode(*bytes, path);
}

platform::Picture SimPictures::LoadDesignPicture(platform::DesignPicture which, int offset) {
  const DesignSize design = DesignSizeOf(which, offset);
  const std::string source = "design:" + std::string(design.name) + ":" + std::to_string(offset);
  const std::vector<std::uint32_t> grey(static_cast<std::size_t>(design.width) * design.height, 0xFF808080u);
  return platform::Picture(std::make_shared<SimPictureData>(design.width, design.height, grey, source));
}

std::string PictureSource(const platform::Picture& picture) {
  const auto* data = dynamic_cast<const SimPictureData*>(picture.Data());
  return data == nullptr ? std::string() : data->Source();
}

}  // namespace tarnwick::sim
