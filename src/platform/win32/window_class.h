#pragma once
// Registration of the launcher's own window classes.
#include <windows.h>

namespace tarnwick::win32 {

// Registers `name` with `procedure` (double clicks on, arrow cursor) unless it already is.
void RegisterWindowClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

}  // namespace tarnwick::win32
