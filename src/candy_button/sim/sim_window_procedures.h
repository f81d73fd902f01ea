#pragma once
// Simulated window procedures: windows of this process or of another one, each with its
// current window procedure, messages sent through that procedure (and so through every hook
// in its chain, nested as deep as the procedures send), the hook binding of the message-hook
// port, tracking functions that a test can take away, and the reports and leave requests
// recorded.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "candy_button/ports/message_hook_port.h"

namespace tarnwick::sim {

using SimProcedure = std::function<std::intptr_t(const platform::WindowMessage&)>;

struct ShownWarning {
  std::string text, title;
};

class SimWindowProcedures final : public platform::MessageHookPort {
 public:
  SimWindowProcedures();
  // Destroys the windows that are left, with their last messages.
  ~SimWindowProcedures() override;
  SimWindowProcedures(const SimWindowProcedures&) = delete;
  SimWindowProcedures& operator=(const SimWindowProcedures&) = delete;

  // A window whose own procedure is `procedure` (a procedure that answers 0 when empty).
  platform::WindowHandle CreateWindow(SimProcedure procedure = {}, bool other_process = false);
  // Sends WM_DESTROY and WM_NCDESTROY through the window's procedure, then removes it.
  void DestroyWindow(platform::WindowHandle window);
  // Sends a message through the window's current procedure; 0 for a window that is gone.
  std::intptr_t Send(platform::WindowHandle window, std::uint32_t message,
                     std::uintptr_t wparam = 0, std::intptr_t lparam = 0);
  platform::ProcedureId CurrentProcedure(platform::WindowHandle window) const;
  platform::ProcedureId HookProcedure() const { return kHookProcedure; }
  bool IsBound(platform::WindowHandle window) const { return bindings_.count(window) != 0; }
  std::size_t BoundCount() const { return bindings_.size(); }
  std::size_t WindowCount() const { return windows_.size(); }

  bool IsWindow(platform::WindowHandle window) const override;
  bool IsWindowOfThisProcess(platform::WindowHandle window) const override;
  platform::BindResult Bind(platform::WindowHandle window,
                            platform::BoundWindowTarget& target) override;
  void Unbind(platform::WindowHandle window, platform::ProcedureId previous) override;
  std::intptr_t CallProcedure(platform::ProcedureId procedure,
                              const platform::WindowMessage& message) override;
  bool IsFunctionExported(std::string_view function, std::string_view module) override;
  void RequestLeaveNotification(platform::WindowHandle window, bool user32_tracking) override;
  void WriteErrorEntry(const std::string& text) override { error_entries.push_back(text); }
  void ShowWarning(const std::string& text, const std::string& title) override;

  // Test controls and records.
  std::set<std::string> exported;       // "module!function", module names in lower case
  std::uint32_t fail_next_bind = 0;     // a system error number for the next Bind, 0 none
  std::vector<std::string> error_entries;
  std::vector<ShownWarning> warnings;
  // Runs while a warning box is open, as the box's modal loop goes on dispatching messages.
  std::function<void()> while_warning_open;
  std::vector<std::pair<platform::WindowHandle, bool>> leave_requests;  // window, user32

 private:
  static constexpr platform::ProcedureId kHookProcedure = 1, kFirstProcedure = 0x1000;
  struct Window {
    platform::ProcedureId procedure = 0;
    bool other_process = false;
  };

  std::map<platform::WindowHandle, Window> windows_;
  // By id - kFirstProcedure; a deque keeps a running procedure in place while others are added.
  std::deque<SimProcedure> procedures_;
  std::unordered_map<platform::WindowHandle, platform::BoundWindowTarget*> bindings_;
  platform::WindowHandle next_window_ = 0x20010;
};

}  // namespace tarnwick::sim
