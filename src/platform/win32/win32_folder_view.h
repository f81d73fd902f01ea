#pragma once
// The folder view inside a window: navigation of its folder-view controls (see
// folder_view_host.h for the view itself).
#include "platform/folder_view_port.h"
#include "platform/win32/win32_windows.h"

namespace tarnwick::win32 {

class Win32FolderView final : public platform::FolderViewPort {
 public:
  explicit Win32FolderView(Win32Windows& windows) : windows_(windows) {}
  bool Navigate(platform::WindowHandle window, int control, const std::string& location) override {
    return windows_.NavigateFolderView(window, control, location);
  }

 private:
  Win32Windows& windows_;
};

}  // namespace tarnwick::win32
