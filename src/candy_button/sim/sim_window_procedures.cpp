#include "candy_button/sim/sim_window_procedures.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/system_numbers.h"

namespace tarnwick::sim {
namespace {

using platform::kErrorInvalidWindowHandle;
using platform::kMsgDestroy;

std::string ExportKey(std::string_view module, std::string_view function) {
  std::string key(module);
  std::transform(key.begin(), key.end(), key.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  return key + "!" + std::string(function);
}

}  // namespace

SimWindowProcedures::SimWindowProcedures()
    : exported{ExportKey("User32", "TrackMouseEvent"), ExportKey("Comctl32", "_TrackMouseEvent")} {}

SimWindowProcedures::~SimWindowProcedures() {
  while (!windows_.empty()) DestroyWindow(windows_.rbegin()->first);
}

platform::WindowHandle SimWindowProcedures::CreateWindow(SimProcedure procedure,
                                                        bool other_process) {
  const platform::ProcedureId id = kFirstProcedure + procedures_.size();
  procedures_.push_back(procedure ? std::move(procedure)
                                  : [](const platform::WindowMessage&) { return std::intptr_t{0}; });
  const platform::WindowHandle handle = next_window_;
  next_window_ += 4;
  windows_[handle] = Window{id, other_process};
  return handle;
}

void SimWindowProcedures::DestroyWindow(platform::WindowHandle window) {
  if (!IsWindow(window)) return;
  Send(window, kMsgDestroy);
  Send(window, platform::kMsgNcDestroy);
  windows_.erase(window);  // a binding stays until it is undone, as in the hook's own map
}

std::intptr_t SimWindowProcedures::Send(platform::WindowHandle window, std::uint32_t message,
                                        std::uintptr_t wparam, std::intptr_t lparam) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) return 0;
  return CallProcedure(found->second.procedure, {window, message, wparam, lparam});
}

platform::ProcedureId SimWindowProcedures::CurrentProcedure(platform::WindowHandle window) const {
  const auto found = windows_.find(window);
  return found == windows_.end() ? 0 : found->second.procedure;
}

bool SimWindowProcedures::IsWindow(platform::WindowHandle window) const {
  return windows_.count(window) != 0;
}

bool SimWindowProcedures::IsWindowOfThisProcess(platform::WindowHandle window) const {
  const auto found = windows_.find(window);
  return found != windows_.end() && !found->second.other_process;
}

platform::BindResult SimWindowProcedures::Bind(platform::WindowHandle window,
                                               platform::BoundWindowTarget& target) {
  if (bindings_.count(window)) return {0, 0, true};
  const auto found = windows_.find(window);
  if (found == windows_.end()) return {0, kErrorInvalidWindowHandle, false};
  if (fail_next_bind != 0) return {0, std::exchange(fail_next_bind, 0), false};
  bindings_[window] = &target;
  return {std::exchange(found->second.procedure, kHookProcedure), 0, false};
}

void SimWindowProcedures::Unbind(platform::WindowHandle window, platform::ProcedureId previous) {
  bindings_.erase(window);
  const auto found = windows_.find(window);
  if (found != windows_.end()) found->second.procedure = previous;
}

std::intptr_t SimWindowProcedures::CallProcedure(platform::ProcedureId procedure,
                                                 const platform::WindowMessage& message) {
  if (procedure == kHookProcedure) {
    const auto bound = bindings_.find(message.window);
    return bound == bindings_.end() ? 0 : bound->second->OnBoundMessage(message);
  }
  const platform::ProcedureId index = procedure - kFirstProcedure;
  return procedure >= kFirstProcedure && index < procedures_.size() ? procedures_[index](message) : 0;
}

bool SimWindowProcedures::IsFunctionExported(std::string_view function, std::string_view module) {
  return exported.count(ExportKey(module, function)) != 0;
}

void SimWindowProcedures::RequestLeaveNotification(platform::WindowHandle window,
                                                   bool user32_tracking) {
  leave_requests.emplace_back(window, user32_tracking);
}

void SimWindowProcedures::ShowWarning(const std::string& text, const std::string& title) {
  warnings.push_back({text, title});
  if (while_warning_open) while_warning_open();
}

}  // namespace tarnwick::sim
