#pragma once
// The gem picture of the candy button's sample faces.
#include <vector>

namespace tarnwick::gallery {

// A round gem of `size` x `size` pixels (a multiple of 16) as 0xAARRGGBB pixels, row by row:
// the caption's companion icon. Coordinates are measured on the 16-pixel grid, in halves.
inline std::vector<unsigned> GemPixels(int size = 16) {
  const int scale = size / 16;
  std::vector<unsigned> pixels;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int gx = 2 * x + 1 - scale, gy = 2 * y + 1 - scale;  // 2x, 2y at scale 1
      const int dx = gx - 15 * scale, dy = gy - 15 * scale;
      const int d2 = (dx * dx + dy * dy) / (scale * scale);
      if (d2 > 15 * 15) {
        pixels.push_back(0);
        continue;
      }
      const int sx = gx - 9 * scale, sy = gy - 9 * scale;
      const bool shine = sx * sx + sy * sy < 20 * scale * scale;
      const unsigned red = shine ? 255u : unsigned(230 - d2 / 6);
      const unsigned green = shine ? 255u : unsigned(120 - d2 / 8);
      const unsigned blue = shine ? 255u : 40u;
      pixels.push_back(0xFF000000u | red << 16 | green << 8 | blue);
    }
  }
  return pixels;
}

}  // namespace tarnwick::gallery
