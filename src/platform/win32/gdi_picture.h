#pragma once
// Pictures for GDI drawing: a bitmap or an icon handle with its size, owned here.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture.h"
#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

class GdiPictureData : public platform::PictureData {
 public:
  GdiPictureData(GdiBitmap bitmap, int width, int height);
  GdiPictureData(HICON icon, int width, int height);
  int WidthPixels() const override { return width_; }
  int HeightPixels() const override { return height_; }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  HICON Icon() const { return icon_.Get(); }

 private:
  GdiBitmap bitmap_;
  GdiIcon icon_;
  int width_, height_;
};

// A 32-bit top-down DIB section of the given size; `bits` receives its pixel memory.
GdiBitmap CreateTopDownDib(int width, int height, void** bits);
// An icon with transparency from 0xAARRGGBB pixels, row by row from the top.
platform::Picture MakeIconPicture(int width, int height, const std::vector<std::uint32_t>& argb);
// A .bmp or .ico file; nullopt when it cannot be loaded.
std::optional<platform::Picture> LoadGdiPictureFile(const std::string& path, bool icon);

}  // namespace tarnwick::win32
