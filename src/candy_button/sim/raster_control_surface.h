#pragma once
// A control's surface in the simulated platform: a raster image of the control's size with
// the surface state a container keeps (text colour, font, pointer, outline, refreshes).
// Calls that change that state are recorded in the call log.
#include <memory>
#include <optional>
#include <string>

#include "candy_button/ports/control_surface_port.h"
#include "platform/sim/call_log.h"
#include "platform/sim/raster_drawing.h"
#include "platform/sim/raster_image.h"

namespace tarnwick::sim {

class RasterControlSurface : public platform::ControlSurface {
 public:
  RasterControlSurface(int width, int height, const platform::ColourTranslator& colours,
                       CallLog& log);

  platform::WindowHandle Window() const override { return window_; }
  std::string Name() const override { return "CandyButton"; }
  int InnerWidth() const override { return image_.Width(); }
  int InnerHeight() const override { return image_.Height(); }
  platform::DrawingPort& Drawing() override { return drawing_; }
  platform::Colour TextColour() const override { return text_colour_; }
  void SetTextColour(platform::Colour colour) override;
  platform::FontSpec Font() const override { return font_; }
  void SetFont(const platform::FontSpec& font) override;
  void ClearBackgroundPicture() override;
  void SetMousePointer(int pointer_code) override;
  void Refresh() override;
  std::optional<platform::Colour> ParentBackColour() const override { return parent_back_; }
  void SetWindowRegion(std::shared_ptr<const platform::PixelRegion> outline) override;

  void SetWindow(platform::WindowHandle window) { window_ = window; }
  void SetParentBackColour(std::optional<platform::Colour> colour) { parent_back_ = colour; }
  // Replaces the image with a fresh one of the new size (as a resized window's surface).
  void Resize(int width, int height);
  const RasterImage& Image() const { return image_; }
  const platform::PixelRegion* WindowRegion() const { return region_.get(); }
  int MousePointer() const { return pointer_; }
  // The image as the screen shows it: pixels outside the window outline take `outside`.
  RasterImage Composite(platform::Colour outside) const;

 private:
  platform::WindowHandle window_ = 1;
  RasterImage image_;
  platform::FontSpec font_;
  RasterDrawing drawing_;
  CallLog& log_;
  platform::Colour text_colour_ = 0;
  int pointer_ = 0;
  std::optional<platform::Colour> parent_back_ = 0xC8D0D4;
  std::shared_ptr<const platform::PixelRegion> region_;
};

}  // namespace tarnwick::sim
