#pragma once
// A set of pixels stored as sorted, non-overlapping runs per row. Windows outlines and hit
// regions are built once in portable code and handed to the backend in this form.
#include <cstddef>
#include <vector>

namespace tarnwick::platform {

struct PixelRun {
  int left = 0, right = 0;  // right excluded
  friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

class PixelRegion {
 public:
  PixelRegion() = default;
  // Rows 0 .. height-1; rows outside hold no pixel.
  explicit PixelRegion(int height) : rows_(height > 0 ? height : 0) {}

  int Height() const { return static_cast<int>(rows_.size()); }
  const std::vector<PixelRun>& Row(int y) const { return rows_[static_cast<std::size_t>(y)]; }
  // Appends a run to row y; runs must be added left to right without overlap.
  void AddRun(int y, PixelRun run) { rows_[static_cast<std::size_t>(y)].push_back(run); }

  bool Contains(int x, int y) const {
    if (y < 0 || y >= Height()) return false;
    for (const PixelRun& run : Row(y))
      if (x >= run.left && x < run.right) return true;
    return false;
  }

  friend bool operator==(const PixelRegion&, const PixelRegion&) = default;

 private:
  std::vector<std::vector<PixelRun>> rows_;
};

}  // namespace tarnwick::platform
