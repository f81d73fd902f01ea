#pragma once
// A picture that a window draws at its own size, kept ready for the window's resolution: its
// size at 96 dpi scaled by dpi / 96 and resampled with the shared high-quality filter, once per
// resolution and picture, never per paint. Icons need no copy: the system draws them at any
// size from their own images.
#include <map>

#include "platform/picture.h"

namespace tarnwick::win32 {

class DpiPicture {
 public:
  DpiPicture() = default;
  explicit DpiPicture(platform::Picture source) : source_(std::move(source)) {}

  const platform::Picture& Source() const { return source_; }
  // The picture as it shows at `dpi`; the source itself at 96 dpi, or where it cannot be scaled.
  const platform::Picture& At(int dpi);

 private:
  platform::Picture source_;
  std::map<int, platform::Picture> scaled_;  // by resolution
};

// `picture` resampled to `width` x `height` pixels; empty when it is no bitmap of this backend.
platform::Picture ResampledPicture(const platform::Picture& picture, int width, int height);

}  // namespace tarnwick::win32
