#pragma once
// The picture shown on a button face, with the reference it was loaded from so that it can
// be saved and loaded again.
#include <optional>
#include <string>

#include "platform/drawing_port.h"
#include "platform/picture.h"

namespace tarnwick::candy {

struct ButtonPicture {
  platform::Picture image;
  platform::PictureKind kind = platform::PictureKind::Bitmap;
  std::string source;  // how the picture source finds it again (a file path, for example)
};

class PictureSource {
 public:
  virtual ~PictureSource() = default;
  // nullopt when the reference names no picture that can be loaded.
  virtual std::optional<ButtonPicture> Load(const std::string& source) = 0;
};

}  // namespace tarnwick::candy
