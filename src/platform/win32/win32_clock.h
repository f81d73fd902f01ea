#pragma once
// Seconds since local midnight from the system's local time (millisecond resolution).
#include "platform/clock_port.h"

namespace tarnwick::win32 {

class Win32Clock final : public platform::ClockPort {
 public:
  float SecondsSinceMidnight() override;
};

}  // namespace tarnwick::win32
