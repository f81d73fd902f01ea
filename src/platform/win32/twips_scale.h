#pragma once
// Twips to pixels and back at a monitor's resolution: 1440 / dpi twips per pixel (15 at
// 96 dpi). Windows keep whole pixels, so a value read back may differ from the value set by
// less than a pixel.
#include <cmath>

namespace tarnwick::win32 {

struct TwipsScale {
  int dpi = 96;
  float per_pixel_x = 15.0f;
  float per_pixel_y = 15.0f;

  static TwipsScale AtDpi(int dpi) {
    const float per_pixel = 1440.0f / static_cast<float>(dpi);
    return {dpi, per_pixel, per_pixel};
  }
  int XToPixels(float twips) const { return static_cast<int>(std::lround(twips / per_pixel_x)); }
  int YToPixels(float twips) const { return static_cast<int>(std::lround(twips / per_pixel_y)); }
  float XToTwips(int pixels) const { return static_cast<float>(pixels) * per_pixel_x; }
  float YToTwips(int pixels) const { return static_cast<float>(pixels) * per_pixel_y; }
};

}  // namespace tarnwick::win32
