#pragma once
// The drawing port on a GDI device context: lines and pixels in pens, fills in solid brushes,
// ellipses with a null pen, and text and pictures through DrawState.
#include <windows.h>

#include "candy_button/win32/gdi_colours.h"
#include "platform/drawing_port.h"

namespace tarnwick::win32 {

class GdiDrawing : public platform::DrawingPort {
 public:
  explicit GdiDrawing(HDC dc) : dc_(dc) {}

  void SetPixel(int x, int y, platform::Colour colour) override;
  void Line(int x1, int y1, int x2, int y2, platform::Colour colour) override;
  void FillBox(int x1, int y1, int x2, int y2, platform::Colour colour) override;
  void FillRect(const platform::PixelRect& rect, platform::Colour colour) override;
  void FillEllipses(const std::vector<platform::EllipseFill>& ellipses) override;
  platform::TextExtent MeasureText(const std::string& utf8) const override;
  void DrawPrefixText(int x, int y, const std::string& utf8, platform::Colour colour,
                      bool disabled) override;
  void DrawPicture(const platform::Picture& picture, platform::PictureKind kind,
                   const platform::PixelRect& where, platform::PictureEffect effect,
                   platform::Colour silhouette_colour) override;

 private:
  COLORREF Resolve(platform::Colour colour) const;

  HDC dc_;
  SystemColourTranslator colours_;
};

}  // namespace tarnwick::win32
