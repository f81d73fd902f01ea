// Measures what a full repaint of the launcher's bar costs, from outside its process: the bar
// (the untitled window of class TarnwickWindow) and all its controls are invalidated and painted
// at once, <count> times, and the mean wall time of one repaint is printed in microseconds.
// Usage: repaint_probe.exe <count>
//   prints {"repaints": <count>, "us_per_repaint": <mean>}, or exits 1 when there is no bar.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

BOOL CALLBACK MatchBar(HWND window, LPARAM found) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  if (std::wstring(name) != L"TarnwickWindow" || (style & WS_CAPTION) != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const long count = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
  HWND bar = nullptr;
  EnumWindows(MatchBar, reinterpret_cast<LPARAM>(&bar));
  if (bar == nullptr || count <= 0) return 1;
  LARGE_INTEGER frequency{}, start{}, end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (long i = 0; i < count; ++i) {
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  QueryPerformanceCounter(&end);
  const double microseconds = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
  std::printf("{\"repaints\": %ld, \"us_per_repaint\": %.0f}\n", count, microseconds / static_cast<double>(count));
  return 0;
}
