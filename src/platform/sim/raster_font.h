#pragma once
// The simulated platform's one built-in font: a small segment font for printable ASCII, scaled
// by whole steps of 9 points and thickened for bold. Other characters show as "?".
#include <string>

#include "platform/drawing_port.h"
#include "platform/font_spec.h"
#include "platform/sim/raster_image.h"

namespace tarnwick::sim {

platform::TextExtent MeasureRasterText(const std::string& utf8, const platform::FontSpec& font);
// Draws one line of text with its top left at (x, y). With `prefix`, "&" underlines the next
// character and "&&" shows one "&".
void DrawRasterText(RasterImage& image, int x, int y, const std::string& utf8,
                    const platform::FontSpec& font, platform::Colour colour, bool prefix);

}  // namespace tarnwick::sim
