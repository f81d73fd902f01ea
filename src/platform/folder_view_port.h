#pragma once
// The embedded browser control that shows a local folder as a folder view.
#include <string>

#include "platform/handle.h"

namespace tarnwick::platform {

class FolderViewPort {
 public:
  virtual ~FolderViewPort() = default;
  // Sends the folder-view control `control` of `window` to `location`. Asynchronous: the
  // outcome is not reported. Returns whether the request was made.
  [[nodiscard]] virtual bool Navigate(WindowHandle window, int control, const std::string& location) = 0;
};

}  // namespace tarnwick::platform
