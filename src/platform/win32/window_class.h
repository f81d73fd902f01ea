#pragma once
// Registration of the programs' own window classes, and the binding of each window to the
// object it is made for.
#include <windows.h>

namespace tarnwick::win32 {

// Registers `name` with `procedure` (double clicks on, arrow cursor) unless it already is.
void RegisterWindowClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// The object a window was made for: CreateWindowEx's last argument, kept with the window from
// WM_NCCREATE on, so that the object hears every message of its window, those of the creation
// included. Null before WM_NCCREATE and after the object lets go (SetWindowLongPtr to 0).
template <typename Object>
Object* WindowObject(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    void* object = reinterpret_cast<const CREATESTRUCTW*>(lparam)->lpCreateParams;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace tarnwick::win32
