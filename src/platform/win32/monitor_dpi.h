#pragma once
// The resolution a window is shown at. The programs are per-monitor DPI aware: each monitor has
// its own resolution, and a window takes that of the monitor it is on. The calls that tell it
// came with later systems than the oldest one the programs run on, so they are looked up when
// first needed; where they are missing, the system's one resolution answers.
#include <windows.h>

namespace tarnwick::win32 {

// The resolution of the monitor `window` is on, in dots per inch (96 at 100 % scaling).
int WindowDpi(HWND window);
// The resolution of the primary monitor, where the launcher's windows live (the bar docks at
// its right edge).
int PrimaryMonitorDpi();

}  // namespace tarnwick::win32
