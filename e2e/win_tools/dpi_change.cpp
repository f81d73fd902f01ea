// Tells a window of another program that it moved to a monitor of another resolution, as the
// system does when a window is dragged across monitors or the scaling is changed: WM_DPICHANGED
// with the new resolution and the suggested rectangle, which lives in the program's own memory
// (the message carries a pointer). The suggested rectangle keeps the window's top-left corner
// and scales its size by new / old resolution; it is moved left and up as far as needed to stay
// on the window's monitor, as the system keeps a window on the monitor it moves to.
// Usage: dpi_change.exe <window hex> <old dpi> <new dpi>
// Prints "sent rect=<l,t,r,b>"; exit 1 when the window or the program's memory cannot be reached.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: dpi_change.exe <window hex> <old dpi> <new dpi>\n");
    return 2;
  }
  HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoull(argv[1], nullptr, 16)));
  const int old_dpi = _wtoi(argv[2]), new_dpi = _wtoi(argv[3]);
  RECT rect{};
  DWORD process_id = 0;
  if (old_dpi <= 0 || new_dpi <= 0 || !GetWindowRect(window, &rect) || !GetWindowThreadProcessId(window, &process_id)) {
    return 1;
  }
  RECT suggested{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, new_dpi, old_dpi),
                 rect.top + MulDiv(rect.bottom - rect.top, new_dpi, old_dpi)};
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    OffsetRect(&suggested, -std::max(0L, suggested.right - monitor.rcMonitor.right),
               -std::max(0L, suggested.bottom - monitor.rcMonitor.bottom));
  }
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process_id);
  if (process == nullptr) return 1;
  void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  int status = 1;
  if (remote != nullptr && WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr)) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(new_dpi, new_dpi),
                            reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 10000, &result)) {
      std::printf("sent rect=%ld,%ld,%ld,%ld\n", suggested.left, suggested.top, suggested.right, suggested.bottom);
      status = 0;
    }
  }
  if (remote != nullptr) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return status;
}
