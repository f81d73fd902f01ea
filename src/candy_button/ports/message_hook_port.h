#pragma once
// What the window-message hook needs from the system: whether a window exists and belongs to
// this process, replacing and calling window procedures, pointer-leave tracking, whether a
// module exports a function, and the two ways misuse is reported (an event-log entry and a
// warning box).
//
// A backend binds a hooked window to its target through one hook procedure of its own and a
// map from window handle to target; no code is ever written into memory.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/handle.h"
#include "platform/system_numbers.h"

namespace tarnwick::platform {

struct WindowMessage {
  WindowHandle window = kNoWindow;
  std::uint32_t message = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
};

// A window procedure as the system stores it; 0 means none.
using ProcedureId = std::uintptr_t;

// Receives every message of the windows bound to it.
class BoundWindowTarget {
 public:
  virtual std::intptr_t OnBoundMessage(const WindowMessage& message) = 0;

 protected:
  ~BoundWindowTarget() = default;
};

struct BindResult {
  ProcedureId previous = 0;     // the procedure that was replaced; 0 on failure
  std::uint32_t error = 0;      // the system's error number when the replacement failed
  bool already_bound = false;   // the window is bound to a target already (nothing changed)
};

class MessageHookPort {
 public:
  virtual ~MessageHookPort() = default;
  virtual bool IsWindow(WindowHandle window) const = 0;
  virtual bool IsWindowOfThisProcess(WindowHandle window) const = 0;
  // Makes the backend's hook procedure the window's procedure and routes the window's
  // messages to `target`. No message reaches the target before this returns.
  [[nodiscard]] virtual BindResult Bind(WindowHandle window, BoundWindowTarget& target) = 0;
  // Puts `previous` back as the window's procedure (when the window still exists) and
  // forgets the window's target.
  virtual void Unbind(WindowHandle window, ProcedureId previous) = 0;
  virtual std::intptr_t CallProcedure(ProcedureId procedure, const WindowMessage& message) = 0;

  // Looks the name up in the module, loading and unloading it when it is not loaded.
  virtual bool IsFunctionExported(std::string_view function, std::string_view module) = 0;
  // Asks for one pointer-leave message for the window, through the tracking function of
  // the user-interface library or else the one of the common-controls library.
  virtual void RequestLeaveNotification(WindowHandle window, bool user32_tracking) = 0;

  virtual void WriteErrorEntry(const std::string& text) = 0;
  // A modal warning box with an exclamation icon.
  virtual void ShowWarning(const std::string& text, const std::string& title) = 0;
};

}  // namespace tarnwick::platform
