#pragma once
// The program's icon from the resources, at the system's large and small sizes. The window
// frames, the task-list entry and the notification area all show these two.
#include <windows.h>

#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

struct ProgramIcons {
  explicit ProgramIcons(HINSTANCE instance);
  ScopedIcon large;
  ScopedIcon small;
};

}  // namespace tarnwick::win32
