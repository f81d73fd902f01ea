#include "platform/win32/win32_styles.h"

#include "platform/win32/native_handle.h"

namespace tarnwick::win32 {

Win32Styles::Win32Styles() {
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll")) {
    // Through a plain function pointer type, as GetProcAddress hands out a generic one.
    const auto found = reinterpret_cast<void (*)()>(GetProcAddress(user32, "SetLayeredWindowAttributes"));
    set_layered_ = reinterpret_cast<SetLayeredFunction>(found);
  }
}

std::optional<std::int32_t> Win32Styles::ReadWindowLong(platform::WindowHandle window, int index) {
  // 0 is a valid style, so failure shows only through the thread's last error.
  SetLastError(ERROR_SUCCESS);
  const LONG value = GetWindowLongA(ToHwnd(window), index);
  if (value == 0 && GetLastError() != ERROR_SUCCESS) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

bool Win32Styles::WriteWindowLong(platform::WindowHandle window, int index, std::int32_t value) {
  SetLastError(ERROR_SUCCESS);
  const LONG previous = SetWindowLongA(ToHwnd(window), index, static_cast<LONG>(value));
  return previous != 0 || GetLastError() == ERROR_SUCCESS;
}

bool Win32Styles::IsWindow(platform::WindowHandle window) { return ::IsWindow(ToHwnd(window)) != FALSE; }

bool Win32Styles::SetLayeredWindowAttributes(platform::WindowHandle window, std::uint32_t color_key,
                                             std::uint8_t alpha, std::uint32_t flags) {
  if (set_layered_ == nullptr) return false;
  return set_layered_(ToHwnd(window), color_key, alpha, flags) != FALSE;
}

std::optional<platform::OsVersion> Win32Styles::QueryVersion(std::uint32_t record_size) {
  // The extended record is the largest the call accepts; the caller's size field decides which
  // form the system fills (and whether it accepts the request at all).
  OSVERSIONINFOEXA record{};
  if (record_size > sizeof record) return std::nullopt;  // the system would write past the record
  record.dwOSVersionInfoSize = record_size;
#ifdef _MSC_VER
#pragma warning(suppress : 4996)  // deprecated: the launcher asks for the version it is told
#endif
  const BOOL ok = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record));
  if (!ok) return std::nullopt;
  return platform::OsVersion{record.dwMajorVersion, record.dwMinorVersion, record.dwBuildNumber,
                             record.dwPlatformId};
}

}  // namespace tarnwick::win32
