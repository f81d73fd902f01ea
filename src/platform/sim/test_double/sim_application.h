#pragma once
// The simulated program: a real temporary program folder, a settable previous-instance flag,
// the task-list switch, and the event pump that moves virtual time and delivers timer ticks.
#include <cstdint>

#include "platform/application_port.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_windows.h"
#include "platform/sim/test_double/temporary_folder.h"

namespace tarnwick::sim {

class SimApplication : public platform::ApplicationPort {
 public:
  SimApplication(CallLog& log, SimClock& clock, SimWindows& windows) : log_(log), clock_(clock), windows_(windows) {}

  std::string ProgramFolder() const override { return folder_.Path().string(); }
  bool IsPreviousInstance() override;
  void SetTaskListVisible(bool visible) override;
  void PumpEvents() override;
  // Recorded only: as far as the simulation knows an event is always queued, and time moves
  // with the pumps.
  void WaitForEvents(float seconds) override;
  std::optional<std::uint64_t> FileLength(const std::string& path) override;
  void EndNow() override;
  bool HasEnded() const override { return ended_; }

  // Pumps events until `seconds` of virtual time have passed (or the program ended).
  void RunFor(double seconds);

  bool previous_instance = false;
  bool task_list_visible = true;
  // Virtual time one pump takes.
  std::int64_t pump_quantum_us = 1000;
  const std::filesystem::path& Folder() const { return folder_.Path(); }

 private:
  CallLog& log_;
  SimClock& clock_;
  SimWindows& windows_;
  TemporaryFolder folder_;
  bool ended_ = false;
};

}  // namespace tarnwick::sim
