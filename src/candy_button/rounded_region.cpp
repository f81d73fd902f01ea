#include "candy_button/rounded_region.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarnwick::candy {
namespace {

// Circle test of one corner: a is the offset from the circle's centre column, b the row
// relative to the corner's top.
bool InsideCorner(std::int64_t a, std::int64_t b, std::int64_t r) {
  const std::int64_t room = r * r - a * a;
  if (room < 0) return false;
  const auto half_chord = static_cast<std::int64_t>(std::nearbyint(std::sqrt(double(room))));
  return std::llabs(b - r) < half_chord;
}

// Adds the runs of row y where `inside(x)` holds for x in [0, width).
template <typename Inside>
void AddRowRuns(platform::PixelRegion& region, int y, int width, Inside inside) {
  int run_start = -1;
  for (int x = 0; x <= width; ++x) {
    const bool in = x < width && inside(x);
    if (in && run_start < 0) run_start = x;
    if (!in && run_start >= 0) {
      region.AddRun(y, {run_start, x});
      run_start = -1;
    }
  }
}

int RoundToInt(double value) { return static_cast<int>(std::nearbyint(value)); }

// Horizontal inset of an elliptic corner (semi-axes a, b) at vertical distance dy from the
// ellipse's centre row.
double CornerInset(double a, double b, double dy) {
  if (a <= 0 || b <= 0 || dy <= 0) return 0;
  const double t = std::min(dy / b, 1.0);
  return a - a * std::sqrt(1 - t * t);
}

}  // namespace

bool IsInsideRounded(int x, int y, int x0, int y0, int w, int h, int r) {
  const std::int64_t dx = x - x0, dy = y - y0, R = r;
  if (R < dx && dx + R < w && R < dy && dy + R < h) return true;
  if (dx < R && dy <= R) return InsideCorner(dx - R, dy, R);
  if (dx + R > w && dy <= R) return InsideCorner(dx - w + R, dy, R);
  if (dx < R && dy + R >= h) return InsideCorner(dx - R, dy - h + 2 * R, R);
  if (dx + R > w && dy + R >= h) return InsideCorner(dx - w + R, dy - h + 2 * R, R);
  return 0 < dx && dx < w && 0 < dy && dy < h;
}

platform::PixelRegion BuildRoundedRegion(int x0, int y0, int w, int h, int radius) {
  const int r = std::max(radius, 1);
  const int width = std::max(x0 + w, 0), height = std::max(y0 + h, 0);
  platform::PixelRegion region(height);
  for (int y = 0; y < height; ++y)
    AddRowRuns(region, y, width, [&](int x) { return IsInsideRounded(x, y, x0, y0, w, h, r); });
  return region;
}

platform::PixelRegion BuildRoundRectRegion(const platform::PixelRect& rect, int ellipse_width,
                                           int ellipse_height) {
  if (rect.Empty() || rect.bottom <= 0) return platform::PixelRegion();
  platform::PixelRegion region(rect.bottom);
  const double a = std::min(ellipse_width, rect.right - rect.left) / 2.0;
  const double b = std::min(ellipse_height, rect.bottom - rect.top) / 2.0;
  for (int y = std::max(rect.top, 0); y < rect.bottom; ++y) {
    const double centre = y + 0.5;
    const double dy = std::max(rect.top + b - centre, centre - (rect.bottom - b));
    const int inset = RoundToInt(CornerInset(a, b, dy));
    if (rect.left + inset < rect.right - inset)
      region.AddRun(y, {rect.left + inset, rect.right - inset});
  }
  return region;
}

std::shared_ptr<const platform::PixelRegion> RoundedRegionCache::Get(int x0, int y0, int w,
                                                                     int h, int radius) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.x0 == x0 && e.y0 == y0 && e.w == w && e.h == h && e.radius == radius;
  });
  if (found != entries_.end()) {
    std::rotate(found, found + 1, entries_.end());
    return entries_.back().region;
  }
  if (entries_.size() == kCapacity) entries_.erase(entries_.begin());
  entries_.push_back({x0, y0, w, h, radius,
                      std::make_shared<const platform::PixelRegion>(
                          BuildRoundedRegion(x0, y0, w, h, radius))});
  return entries_.back().region;
}

}  // namespace tarnwick::candy
