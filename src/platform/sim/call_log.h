#pragma once
// The simulated platform records every port call, in order, as one line of text such as
// "SetLayeredWindowAttributes(1,0,128,2)", so tests can assert exact sequences.
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::sim {

class CallLog {
 public:
  // Records "name(args...)"; formats nothing while recording is off.
  template <typename... Args>
  void Record(std::string_view name, const Args&... args);
  const std::vector<std::string>& Calls() const { return calls_; }
  void Clear() { calls_.clear(); }
  // The recorded calls whose text starts with `prefix` (for example "SetLayered").
  std::vector<std::string> Matching(std::string_view prefix) const;
  // Off in benchmarks, so that a simulated call costs no allocation.
  bool enabled = true;

 private:
  std::vector<std::string> calls_;
};

// Formats "Name(a,b,c)" from any streamable arguments.
template <typename... Args>
std::string FormatCall(std::string_view name, const Args&... args);

}  // namespace tarnwick::sim

#include "platform/sim/call_log_format.h"
