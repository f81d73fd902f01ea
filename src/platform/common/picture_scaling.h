#pragma once
// How pictures that a window draws at their own size follow the display's scaling: their size
// at 96 dpi grows by dpi / 96, and their pixels are resampled once with a high-quality filter.
// Both backends and the skin tool use these, so every program shows the same pixels.
#include <cstdint>
#include <vector>

namespace tarnwick::platform {

inline constexpr int kDesignDpi = 96;

// `pixels` at 96 dpi as whole pixels at `dpi`, rounded to the nearest (halves up); at least 1
// for a positive length.
int ScaledLength(int pixels, int dpi);

// 32-bit pixels premultiplied by their alpha, row by row from the top: alpha in the top byte,
// the three colour bytes below it in any order (the filter treats them alike).
struct PixelGrid {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

// `source` resampled to `width` x `height` with a separable Catmull-Rom cubic filter, widened
// when shrinking so that every source pixel counts. Integer accumulation: the same result on
// every host. Colour bytes never exceed their alpha. An empty grid for an empty source or size.
PixelGrid Resample(const PixelGrid& source, int width, int height);

}  // namespace tarnwick::platform
