#pragma once
// Virtual local time. It starts where the test sets it and moves only when events are pumped
// (or a test advances it), so every run is exact and instant.
#include <cstdint>

#include "platform/clock_port.h"
#include "platform/sim/call_log.h"

namespace tarnwick::sim {

class SimClock : public platform::ClockPort {
 public:
  explicit SimClock(CallLog& log) : log_(log) {}
  float SecondsSinceMidnight() override;

  // Sets the time of day (seconds since midnight, 0 <= s < 86400).
  void SetTimeOfDay(double seconds);
  void Advance(std::int64_t microseconds) { now_us_ += microseconds; }
  // Microseconds since the simulation's first midnight; it grows across midnights.
  std::int64_t NowMicroseconds() const { return now_us_; }

 private:
  CallLog& log_;
  std::int64_t now_us_ = 12LL * 3600 * 1000000;  // noon
};

}  // namespace tarnwick::sim
