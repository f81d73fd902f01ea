#pragma once
// Pictures scaled into a rectangle of a raster image, as a picture control that stretches its
// picture shows them.
#include "platform/drawing_port.h"
#include "platform/sim/raster_image.h"
#include "platform/sim/sim_pictures.h"

namespace tarnwick::sim {

// Scales `picture` to the size of `where` by averaging the picture pixels each image pixel
// covers (weighted by the part it covers), and puts it over what is there by its alpha.
// Clipped to the image; integer arithmetic only, so the result is the same on every host.
void DrawStretchedPicture(RasterImage& image, const SimPictureData& picture, const platform::PixelRect& where);

}  // namespace tarnwick::sim
