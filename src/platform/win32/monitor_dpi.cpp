#include "platform/win32/monitor_dpi.h"

#include "platform/win32/gdi_objects.h"

namespace tarnwick::win32 {
namespace {

using GetDpiForWindowCall = UINT(WINAPI*)(HWND);
using GetDpiForMonitorCall = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

// A function of a system library, as the untyped address the loader gives.
FARPROC SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

template <typename Call>
Call Function(const wchar_t* library, const char* name) {
  return reinterpret_cast<Call>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

// The system's one resolution: that of the screen at the program's start.
int SystemDpi() {
  WindowDc screen(nullptr);
  const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto get_dpi_for_window = Function<GetDpiForWindowCall>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = get_dpi_for_window != nullptr && window != nullptr ? get_dpi_for_window(window) : 0;
  return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int PrimaryMonitorDpi() {
  static const auto get_dpi_for_monitor = Function<GetDpiForMonitorCall>(L"shcore.dll", "GetDpiForMonitor");
  UINT dpi_x = 0, dpi_y = 0;
  if (get_dpi_for_monitor != nullptr &&
      SUCCEEDED(get_dpi_for_monitor(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), kEffectiveDpi, &dpi_x, &dpi_y)) &&
      dpi_y > 0) {
    return static_cast<int>(dpi_y);
  }
  return SystemDpi();
}

}  // namespace tarnwick::win32
