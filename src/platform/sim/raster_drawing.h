#pragma once
// The drawing port on a raster image: pixel-exact shapes, the built-in font, RGBA pictures.
#include "platform/drawing_port.h"
#include "platform/font_spec.h"
#include "platform/sim/raster_image.h"

namespace tarnwick::sim {

class RasterDrawing : public platform::DrawingPort {
 public:
  RasterDrawing(RasterImage& image, const platform::ColourTranslator& colours,
                const platform::FontSpec& font)
      : image_(image), colours_(colours), font_(font) {}

  void SetPixel(int x, int y, platform::Colour colour) override;
  void Line(int x1, int y1, int x2, int y2, platform::Colour colour) override;
  void FillBox(int x1, int y1, int x2, int y2, platform::Colour colour) override;
  void FillRect(const platform::PixelRect& rect, platform::Colour colour) override;
  // Pixels whose centres lie inside an ellipse belong to it. Each pixel is written once, by
  // the last ellipse that covers it.
  void FillEllipses(const std::vector<platform::EllipseFill>& ellipses) override;
  platform::TextExtent MeasureText(const std::string& utf8) const override;
  // Disabled text is embossed: white one pixel down and right, grey on top.
  void DrawPrefixText(int x, int y, const std::string& utf8, platform::Colour colour,
                      bool disabled) override;
  void DrawPicture(const platform::Picture& picture, platform::PictureKind kind,
                   const platform::PixelRect& where, platform::PictureEffect effect,
                   platform::Colour silhouette_colour) override;

 private:
  platform::Colour Resolve(platform::Colour colour) const {
    return colours_.Translate(colour).value_or(platform::kBlack);
  }

  RasterImage& image_;
  const platform::ColourTranslator& colours_;
  const platform::FontSpec& font_;
};

}  // namespace tarnwick::sim
