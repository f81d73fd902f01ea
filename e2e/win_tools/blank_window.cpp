// An idle program with one plain visible window and a message loop, nothing else: the baseline
// against which the idle cost of the launcher under Wine is measured. With an interval, the
// window also runs a window timer that does nothing, to tell the cost of the timer itself.
// Usage: blank_window.exe [timer interval in ms]
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK BlankProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = BlankProcedure;
  window_class.hInstance = instance;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"TarnwickBlankWindow";
  if (!RegisterClassW(&window_class)) return 1;
  const HWND window = CreateWindowExW(0, window_class.lpszClassName, L"Blank", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200,
                                      nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOW);
  if (argc > 1) SetTimer(window, 1, static_cast<UINT>(std::wcstoul(argv[1], nullptr, 10)), nullptr);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
