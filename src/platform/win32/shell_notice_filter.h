#pragma once
// A program run with raised rights hears from less privileged programs only the messages it
// lets through. The shell that restarts runs with ordinary rights, so its restart notice
// (the registered "TaskbarCreated" message) must be let through to the window that puts the
// tray icon back.
#include <windows.h>

namespace tarnwick::win32 {

// Lets the shell's restart notice through to `window`: per window where the system can
// (ChangeWindowMessageFilterEx), else for the whole program (ChangeWindowMessageFilter, the
// older form); systems without either filter every message through already. Both are looked up
// at run time, so the program still starts where they are missing. Returns whether the notice
// can reach the window.
[[nodiscard]] bool AllowShellRestartNotice(HWND window, UINT notice);

}  // namespace tarnwick::win32
