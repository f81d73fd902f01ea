#pragma once
// The program as a whole: its folder, the previous-instance test (a named mutex), the task-list
// entry (the owner window), the event pump and wait and the immediate end (ExitProcess).
#include <optional>

#include "platform/application_port.h"
#include "platform/win32/owner_window.h"
#include "platform/win32/scoped_handles.h"

namespace tarnwick::win32 {

class Win32Application final : public platform::ApplicationPort {
 public:
  // `instance_name` names the mutex that marks a running copy; each program has its own.
  Win32Application(OwnerWindow& owner, std::string instance_name);
  std::string ProgramFolder() const override;
  bool IsPreviousInstance() override;
  void SetTaskListVisible(bool visible) override;
  void PumpEvents() override;
  // Sleeps in the system until input or a message arrives or the time is up (a minute at most).
  void WaitForEvents(float seconds) override;
  std::optional<std::uint64_t> FileLength(const std::string& path) override;
  // ExitProcess: every window goes with the process, no handler runs, and the call does not
  // return. Destructors of the backend do not run; the system frees what the process held.
  void EndNow() override;
  bool HasEnded() const override { return false; }

 private:
  OwnerWindow& owner_;
  std::string instance_name_;
  ScopedKernelHandle instance_mutex_;
  std::optional<bool> previous_instance_;
};

}  // namespace tarnwick::win32
