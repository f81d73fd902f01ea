#pragma once
// The persistent drawing surface a container gives to an owner-drawn control: its window,
// size, text colour, font, pointer, outline region and drawing operations.
#include <memory>
#include <optional>
#include <string>

#include "platform/colour_port.h"
#include "platform/drawing_port.h"
#include "platform/font_spec.h"
#include "platform/handle.h"
#include "platform/pixel_region.h"

namespace tarnwick::platform {

// Mouse pointer codes as the control persists them.
inline constexpr int kPointerArrow = 1, kPointerCustomHand = 99;

class ControlSurface {
 public:
  virtual ~ControlSurface() = default;
  virtual WindowHandle Window() const = 0;
  // The surface's own name (the control type's name for the container).
  virtual std::string Name() const = 0;
  virtual int InnerWidth() const = 0;
  virtual int InnerHeight() const = 0;
  virtual DrawingPort& Drawing() = 0;

  virtual Colour TextColour() const = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual FontSpec Font() const = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void ClearBackgroundPicture() = 0;
  virtual void SetMousePointer(int pointer_code) = 0;
  // Shows what was drawn since the last refresh.
  virtual void Refresh() = 0;
  // The parent window's background colour; nullopt when the parent has none.
  virtual std::optional<Colour> ParentBackColour() const = 0;
  // Gives the window an outline (shared, never changed afterwards); null restores the
  // plain rectangle. The window is redrawn.
  virtual void SetWindowRegion(std::shared_ptr<const PixelRegion> outline) = 0;
};

}  // namespace tarnwick::platform
