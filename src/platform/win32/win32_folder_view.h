#pragma once
// The folder view inside the side panel. Not built yet: no window hosts a folder view so far,
// so every request reports that it was not made.
#include "platform/folder_view_port.h"

namespace tarnwick::win32 {

class Win32FolderView final : public platform::FolderViewPort {
 public:
  bool Navigate(platform::WindowHandle window, int control, const std::string& location) override;
};

}  // namespace tarnwick::win32
