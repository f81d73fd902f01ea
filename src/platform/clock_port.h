#pragma once
// Local time of day.

namespace tarnwick::platform {

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // Seconds since local midnight with fraction, in single precision: 0 to just under 86400.
  virtual float SecondsSinceMidnight() = 0;
};

}  // namespace tarnwick::platform
