#pragma once
// Picture loading: from a file (JPEG at least, also BMP/PNG/GIF where the backend can) and the
// design pictures compiled into the program.
#include <optional>
#include <string>

#include "platform/picture.h"

namespace tarnwick::platform {

// Design pictures built into the program (see assets/).
enum class DesignPicture {
  SplashLogo,
  MainTopButton,     // Image0 of the main bar, 73 x 23
  MainLaunchButton,  // first of 24 consecutive launch tiles, 73 x 57; add the button index - 1
  PanelFolderTab = MainLaunchButton + 24,  // first of 7 folder tabs, 137 x 41
  PanelProgramButton = PanelFolderTab + 7,  // first of 3 program buttons, 73 x 57
  PanelAboutButton = PanelProgramButton + 3,  // 73 x 57
};

class PicturePort {
 public:
  virtual ~PicturePort() = default;
  // Loads a picture file; nullopt when the file is missing, unreadable or no picture.
  [[nodiscard]] virtual std::optional<Picture> LoadPicture(const std::string& path) = 0;
  // A design picture; empty only if the program was built without its assets.
  virtual Picture LoadDesignPicture(DesignPicture which, int offset = 0) = 0;
};

}  // namespace tarnwick::platform
