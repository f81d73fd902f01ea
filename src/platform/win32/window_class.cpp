#include "platform/win32/window_class.h"

namespace tarnwick::win32 {

void RegisterWindowClassOnce(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  if (GetClassInfoExW(instance, name, &window_class)) return;
  window_class.cbSize = sizeof window_class;
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
  window_class.lpszClassName = name;
  RegisterClassExW(&window_class);
}

}  // namespace tarnwick::win32
