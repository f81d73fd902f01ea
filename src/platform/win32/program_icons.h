#pragma once
// The program's icon from the resources, at the system's large and small sizes. The window
// frames, the task-list entry and the notification area all show these two.
#include <windows.h>

#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {

struct ProgramIcons {
  explicit ProgramIcons(HINSTANCE instance);
  GdiIcon large;
  GdiIcon small;
};

}  // namespace tarnwick::win32
