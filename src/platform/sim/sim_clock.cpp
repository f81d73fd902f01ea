#include "platform/sim/sim_clock.h"

#include <cmath>

namespace tarnwick::sim {
namespace {
constexpr std::int64_t kMicrosecondsPerDay = 86400LL * 1000000;
}

float SimClock::SecondsSinceMidnight() {
  const auto reading = static_cast<float>(static_cast<double>(now_us_ % kMicrosecondsPerDay) / 1e6);
  // Single precision can round 86399.999... up to 86400; the clock's range ends just below it.
  const float seconds = reading < 86400.0f ? reading : std::nextafter(86400.0f, 0.0f);
  log_.Record("SecondsSinceMidnight");
  return seconds;
}

void SimClock::SetTimeOfDay(double seconds) {
  const std::int64_t day_start = now_us_ - now_us_ % kMicrosecondsPerDay;
  now_us_ = day_start + static_cast<std::int64_t>(std::llround(seconds * 1e6));
}

}  // namespace tarnwick::sim
