#include "platform/win32/owner_window.h"

#include "platform/win32/win32_text.h"

namespace tarnwick::win32 {
namespace {

constexpr wchar_t kOwnerClass[] = L"TarnwickOwner";

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  // The owner is never closed by a request from outside: the launcher's own windows decide
  // when the program ends.
  if (message == WM_CLOSE) return 0;
  return DefWindowProcW(window, message, wparam, lparam);
}

void RegisterOwnerClass(HINSTANCE instance, HICON large_icon, HICON small_icon) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = OwnerProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = large_icon;
  window_class.hIconSm = small_icon;
  window_class.lpszClassName = kOwnerClass;
  RegisterClassExW(&window_class);
}

}  // namespace

OwnerWindow::OwnerWindow(HINSTANCE instance, const std::string& title, HICON large_icon, HICON small_icon) {
  RegisterOwnerClass(instance, large_icon, small_icon);
  window_.Reset(CreateWindowExW(0, kOwnerClass, Utf8ToWide(title).c_str(), WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                instance, nullptr));
}

void OwnerWindow::SetTaskListVisible(bool visible) {
  // Asked at every tick of the bar's timer: only a change reaches the window system.
  if ((IsWindowVisible(window_.Get()) != FALSE) == visible) return;
  ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace tarnwick::win32
