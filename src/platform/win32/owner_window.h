#pragma once
// The program's hidden owner window. Every top-level window of the launcher is owned by it, and
// the system gives an owned window no entry in the task list (taskbar, Alt+Tab). The owner
// itself is the program's one possible entry: showing it (as a zero-size window) puts the
// program in the task list, hiding it takes the program out.
#include <windows.h>

#include <string>

#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class OwnerWindow {
 public:
  OwnerWindow(HINSTANCE instance, const std::string& title, HICON large_icon, HICON small_icon);
  HWND Handle() const { return window_.Get(); }
  void SetTaskListVisible(bool visible);

 private:
  ScopedWindow window_;
};

}  // namespace tarnwick::win32
