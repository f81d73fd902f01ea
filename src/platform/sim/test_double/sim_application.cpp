#include "platform/sim/test_double/sim_application.h"

#include <system_error>

#include "platform/sim/native_path.h"

namespace tarnwick::sim {

bool SimApplication::IsPreviousInstance() {
  log_.Record("IsPreviousInstance");
  return previous_instance;
}

void SimApplication::SetTaskListVisible(bool visible) {
  log_.Record("SetTaskListVisible", visible);
  task_list_visible = visible;
}

void SimApplication::PumpEvents() {
  log_.Record("PumpEvents");
  if (ended_) return;
  clock_.Advance(pump_quantum_us);
  windows_.FireDueTimers(clock_.NowMicroseconds());
}

void SimApplication::WaitForEvents(float seconds) { log_.Record("WaitForEvents", seconds); }

std::optional<std::uint64_t> SimApplication::FileLength(const std::string& path) {
  log_.Record("FileLength", path);
  std::error_code error;
  const auto native = NativePath(path);
  if (!std::filesystem::is_regular_file(native, error)) return std::nullopt;
  const auto length = std::filesystem::file_size(native, error);
  if (error) return std::nullopt;
  return length;
}

void SimApplication::EndNow() {
  log_.Record("EndNow");
  ended_ = true;
  windows_.DestroyAllSilently();
}

void SimApplication::RunFor(double seconds) {
  const std::int64_t end = clock_.NowMicroseconds() + static_cast<std::int64_t>(seconds * 1e6);
  while (!ended_ && clock_.NowMicroseconds() < end) PumpEvents();
}

}  // namespace tarnwick::sim
