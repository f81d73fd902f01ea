#include "platform/win32/win32_clock.h"

#include <windows.h>

namespace tarnwick::win32 {

float Win32Clock::SecondsSinceMidnight() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  const double seconds = now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
  return static_cast<float>(seconds);
}

}  // namespace tarnwick::win32
