#include "skin_tools/design_pictures.h"

#include "platform/sim/sim_pictures.h"

namespace tarnwick::skin_tools {

std::optional<platform::Picture> EmbeddedDesignPictures::LoadPicture(const std::string& path) {
  return sim::LoadPictureFile(path).picture;
}

namespace {

// Decoded once per run of the tool; pictures are shared and never change.
const std::vector<platform::Picture>& DecodedDesignPictures() {
  static const std::vector<platform::Picture> pictures = [] {
    std::vector<platform::Picture> decoded;
    for (std::string_view file : DesignPictureFiles()) {
      const std::vector<unsigned char> bytes(file.begin(), file.end());
      const auto load = sim::DecodePictureBytes(bytes, "design:" + std::to_string(decoded.size()));
      decoded.push_back(load.picture.value_or(platform::Picture{}));
    }
    return decoded;
  }();
  return pictures;
}

}  // namespace

platform::Picture EmbeddedDesignPictures::LoadDesignPicture(platform::DesignPicture which, int offset) {
  const auto index = static_cast<std::size_t>(static_cast<int>(which) + offset);
  const auto& pictures = DecodedDesignPictures();
  return index < pictures.size() ? pictures[index] : platform::Picture{};
}

}  // namespace tarnwick::skin_tools
