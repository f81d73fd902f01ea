#include "candy_button/win32/candy_window_host.h"

#include "platform/win32/gdi_picture.h"

namespace tarnwick::win32 {

std::optional<candy::ButtonPicture> FileGdiPictures::Load(const std::string& source) {
  const bool icon = source.size() >= 4 && source.compare(source.size() - 4, 4, ".ico") == 0;
  std::optional<platform::Picture> picture = LoadGdiPictureFile(source, icon);
  if (!picture) return std::nullopt;
  return candy::ButtonPicture{std::move(*picture),
                              icon ? platform::PictureKind::Icon : platform::PictureKind::Bitmap,
                              source};
}

}  // namespace tarnwick::win32
