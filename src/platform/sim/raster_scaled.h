#pragma once
// Pictures that a window draws at their own size, as they show at a resolution: their size at
// 96 dpi scaled by dpi / 96 with the programs' filter.
#include "platform/drawing_port.h"
#include "platform/sim/raster_image.h"
#include "platform/sim/sim_pictures.h"

namespace tarnwick::sim {

// Puts `picture` over `image` by its alpha with its top left at the top left of `where`, at its
// size for `dpi`, cut to `where` and to the image.
void DrawPictureAtDpi(RasterImage& image, const SimPictureData& picture, int dpi, const platform::PixelRect& where);

}  // namespace tarnwick::sim
