#include "platform/win32/picture_drawing.h"

#include "platform/win32/gdi_objects.h"
#include "platform/win32/gdi_picture.h"

namespace tarnwick::win32 {
namespace {

// Bitmaps with an alpha channel: 32-bit DIB sections, as the picture decoder makes them.
bool HasAlpha(HBITMAP bitmap) {
  DIBSECTION section{};
  return GetObjectW(bitmap, sizeof section, &section) == sizeof section && section.dsBm.bmBitsPixel == 32;
}

void DrawBitmap(HDC dc, const GdiPictureData& data, int left, int top, int width, int height) {
  MemoryDc source(CreateCompatibleDC(dc));
  if (source.Get() == nullptr) return;
  GdiSelection selected(source.Get(), data.Bitmap());
  if (HasAlpha(data.Bitmap())) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, left, top, width, height, source.Get(), 0, 0, data.WidthPixels(), data.HeightPixels(), blend);
    return;
  }
  SetStretchBltMode(dc, HALFTONE);
  StretchBlt(dc, left, top, width, height, source.Get(), 0, 0, data.WidthPixels(), data.HeightPixels(), SRCCOPY);
}

}  // namespace

void DrawPicture(HDC dc, const platform::Picture& picture, const RECT& target, bool stretch) {
  const auto* data = dynamic_cast<const GdiPictureData*>(picture.Data());
  if (data == nullptr) return;
  const int width = stretch ? target.right - target.left : data->WidthPixels();
  const int height = stretch ? target.bottom - target.top : data->HeightPixels();
  if (data->Icon()) {
    DrawIconEx(dc, target.left, target.top, data->Icon(), width, height, 0, nullptr, DI_NORMAL);
  } else if (data->Bitmap()) {
    DrawBitmap(dc, *data, target.left, target.top, width, height);
  }
}

}  // namespace tarnwick::win32
