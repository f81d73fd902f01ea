#pragma once
// What a face painter works with: the drawing port, the surface size, the button's values
// and the outline state of the last ShapeWindow.
#include <cstdint>
#include <optional>

#include "candy_button/button_state.h"
#include "candy_button/candy_properties.h"
#include "candy_button/colour_math.h"
#include "platform/drawing_port.h"
#include "platform/pixel_region.h"

namespace tarnwick::candy {

struct PaintContext {
  platform::DrawingPort& draw;
  int width = 0, height = 0;
  CandyProperties& props;  // painting may clamp BorderBrightness
  const platform::ColourTranslator& colours;
  std::optional<Colour> parent_back_colour;
  const platform::PixelRegion* inner_region = nullptr;
  std::int32_t& corner_radius;

  Colour Blend(Colour from, Colour to, std::int32_t percentage) const {
    return BlendColors(from, to, percentage, colours);
  }
};

// The face colour of a state: Normal and Focused use the rest colour, Hover the hover
// colour, Pressed and Checked the pressed colour.
Colour FaceColour(const CandyProperties& props, ButtonState state);

void PaintStyleClassic(PaintContext& context, ButtonState state);
void PaintStyleFlat(PaintContext& context, ButtonState state);
void PaintGloss(PaintContext& context, ButtonState state);
void PaintShaded(PaintContext& context, ButtonState state);

}  // namespace tarnwick::candy
