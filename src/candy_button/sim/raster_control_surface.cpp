#include "candy_button/sim/raster_control_surface.h"

#include "platform/sim/call_log.h"

namespace tarnwick::sim {

RasterControlSurface::RasterControlSurface(int width, int height,
                                           const platform::ColourTranslator& colours,
                                           CallLog& log)
    : image_(width, height, 0xC8D0D4), drawing_(image_, colours, font_), log_(log) {}

void RasterControlSurface::SetTextColour(platform::Colour colour) {
  text_colour_ = colour;
  log_.Record("SetTextColour", colour);
}

void RasterControlSurface::SetFont(const platform::FontSpec& font) {
  font_ = font;
  log_.Record("SetFont", font.name, font.points, font.weight);
}

void RasterControlSurface::ClearBackgroundPicture() { log_.Record("ClearBackgroundPicture"); }

void RasterControlSurface::SetMousePointer(int pointer_code) {
  pointer_ = pointer_code;
  log_.Record("SetMousePointer", pointer_code);
}

void RasterControlSurface::Refresh() { log_.Record("Refresh"); }

void RasterControlSurface::SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) {
  log_.Record("SetWindowRgn", outline ? "region" : "none");
  region_ = std::move(outline);
}

void RasterControlSurface::Resize(int width, int height) {
  image_ = RasterImage(width, height, 0xC8D0D4);
}

RasterImage RasterControlSurface::Composite(platform::Colour outside) const {
  if (!region_) return image_;
  RasterImage shown(image_.Width(), image_.Height(), outside);
  for (int y = 0; y < image_.Height(); ++y)
    for (int x = 0; x < image_.Width(); ++x)
      if (region_->Contains(x, y)) shown.Set(x, y, image_.At(x, y));
  return shown;
}

}  // namespace tarnwick::sim
