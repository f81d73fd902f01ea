#pragma once
// A decoded picture: a 32-bit top-down DIB section with premultiplied alpha, owned here and
// drawn with AlphaBlend, so pictures with and without transparency draw the same way.
#include <windows.h>

#include "platform/picture.h"
#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class Win32PictureData final : public platform::PictureData {
 public:
  Win32PictureData(ScopedGdiObject bitmap, int width, int height)
      : bitmap_(std::move(bitmap)), width_(width), height_(height) {}
  int WidthPixels() const override { return width_; }
  int HeightPixels() const override { return height_; }
  HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.Get()); }

 private:
  ScopedGdiObject bitmap_;
  int width_, height_;
};

// Draws `picture` into `target` of `dc`: scaled to the rectangle when `stretch`, else at its
// natural size from the rectangle's top-left corner (clipped by the device context).
// Pictures of another backend, or empty ones, draw nothing.
void DrawPicture(HDC dc, const platform::Picture& picture, const RECT& target, bool stretch);

}  // namespace tarnwick::win32
