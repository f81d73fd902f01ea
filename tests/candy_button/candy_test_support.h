#pragma once
// Shared set-up of the candy button tests: a raster host and a button that is ready to draw.
#include <ostream>
#include <string>
#include <vector>

#include "candy_button/candy_button.h"
#include "candy_button/sim/raster_candy_host.h"
#include "platform/sim/raster_png.h"

namespace tarnwick::sim {

// Images print as their size in test failures (their pixels would drown the message).
inline void PrintTo(const RasterImage& image, std::ostream* out) {
  *out << image.Width() << "x" << image.Height() << " image";
}

}  // namespace tarnwick::sim

namespace tarnwick::candy::testing {

struct ReadyButton {
  explicit ReadyButton(int width = 100, int height = 30) : host(width, height), button(host) {
    host.AttachInput(&button);
    button.ReadProperties(PropertyBag());
    host.Log().Clear();
  }
  const sim::RasterImage& Image() { return host.Raster().Image(); }
  std::vector<std::string> Calls() { return host.Log().Calls(); }

  sim::RasterCandyHost host;
  CandyButton button;
};

// The lParam of a mouse message at (x, y) in the window's pixels.
inline std::intptr_t PointerAt(int x, int y) {
  return std::intptr_t((std::uint32_t(std::uint16_t(y)) << 16) | std::uint16_t(x));
}

// Log lines of one repaint of the face (the face painters draw without logging).
inline const std::vector<std::string> kRepaint{"ClearBackgroundPicture()", "Refresh()"};

inline std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace tarnwick::candy::testing
