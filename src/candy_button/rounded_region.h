#pragma once
// Outline geometry of the rounded styles: the inside test, region building, a small cache of
// built regions, and rounded rectangles with elliptic corners.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/drawing_port.h"
#include "platform/pixel_region.h"

namespace tarnwick::candy {

// Whether pixel (x, y) lies inside the rounded rectangle at (x0, y0), w by h, whose corners
// are circles of radius r set r pixels in from both sides. The top row and left column of
// the rectangle are never inside.
bool IsInsideRounded(int x, int y, int x0, int y0, int w, int h, int r);

// Pixels (x, y) with 0 <= x < x0 + w, 0 <= y < y0 + h that IsInsideRounded holds for;
// `radius` below 1 counts as 1.
platform::PixelRegion BuildRoundedRegion(int x0, int y0, int w, int h, int radius);

// Rectangle `rect` (right and bottom excluded) with corners cut along ellipses of
// `ellipse_width` by `ellipse_height`; only rows from 0 down are kept.
platform::PixelRegion BuildRoundRectRegion(const platform::PixelRect& rect, int ellipse_width,
                                           int ellipse_height);

// The last few regions built, shared with whoever holds them.
class RoundedRegionCache {
 public:
  std::shared_ptr<const platform::PixelRegion> Get(int x0, int y0, int w, int h, int radius);

 private:
  struct Entry {
    int x0, y0, w, h, radius;
    std::shared_ptr<const platform::PixelRegion> region;
  };
  static constexpr std::size_t kCapacity = 8;
  std::vector<Entry> entries_;  // most recent last
};

}  // namespace tarnwick::candy
