#pragma once
// The program as a whole: its folder, the previous-instance test, its task-list entry, the
// event pump and wait, file probing and the immediate end.
#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick::platform {

class ApplicationPort {
 public:
  virtual ~ApplicationPort() = default;
  // The folder the program was started from, without a trailing separator unless it is a
  // drive's root ("C:\").
  virtual std::string ProgramFolder() const = 0;
  // True when another copy of this program is already running.
  virtual bool IsPreviousInstance() = 0;
  // Whether the program shows an entry in the system's list of running applications.
  virtual void SetTaskListVisible(bool visible) = 0;
  // Processes every event already queued, then returns.
  virtual void PumpEvents() = 0;
  // Sleeps until an event is queued or `seconds` have passed, whichever comes first, without
  // processing anything; returns at once for no time.
  virtual void WaitForEvents(float seconds) = 0;
  // The length of the file at `path`; nullopt when the file system reports none.
  [[nodiscard]] virtual std::optional<std::uint64_t> FileLength(const std::string& path) = 0;
  // Ends the program at once: every window goes without further events. On the real system
  // this does not return; elsewhere the caller returns straight after it.
  virtual void EndNow() = 0;
  virtual bool HasEnded() const = 0;
};

}  // namespace tarnwick::platform
