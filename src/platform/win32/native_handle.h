#pragma once
// The launcher stores window and icon handles as 32-bit values. The system keeps the
// significant part of these handles in 32 bits in 64-bit processes too and extends them with
// the sign, so the conversion below round-trips.
#include <windows.h>

#include <cstdint>

#include "platform/handle.h"

namespace tarnwick::win32 {

inline HWND ToHwnd(platform::WindowHandle handle) {
  return static_cast<HWND>(LongToHandle(static_cast<LONG>(handle)));
}

inline platform::WindowHandle FromHwnd(HWND window) {
  return static_cast<platform::WindowHandle>(HandleToLong(window));
}

inline HICON ToHicon(std::uint32_t handle) { return static_cast<HICON>(LongToHandle(static_cast<LONG>(handle))); }

inline std::uint32_t FromHicon(HICON icon) { return static_cast<std::uint32_t>(HandleToLong(icon)); }

}  // namespace tarnwick::win32
