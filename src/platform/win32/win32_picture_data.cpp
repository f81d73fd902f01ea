#include "platform/win32/win32_picture_data.h"

#include "platform/win32/scoped_drawing.h"

namespace tarnwick::win32 {

void DrawPicture(HDC dc, const platform::Picture& picture, const RECT& target, bool stretch) {
  const auto* data = dynamic_cast<const Win32PictureData*>(picture.Data());
  if (data == nullptr) return;
  ScopedMemoryDc source(CreateCompatibleDC(dc));
  if (!source.Valid()) return;
  ScopedSelect selected(source.Get(), data->Bitmap());
  const int width = stretch ? target.right - target.left : data->WidthPixels();
  const int height = stretch ? target.bottom - target.top : data->HeightPixels();
  SetStretchBltMode(dc, HALFTONE);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, target.left, target.top, width, height, source.Get(), 0, 0, data->WidthPixels(),
             data->HeightPixels(), blend);
}

}  // namespace tarnwick::win32
