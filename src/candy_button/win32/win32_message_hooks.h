#pragma once
// The message-hook port on Windows. Every hooked window gets the one static hook procedure of
// this backend, which finds the window's target in a map from window handle to target; no
// code is written into memory. The pointer-sized wide-character calls are used throughout
// (SetWindowLongPtrW, CallWindowProcW), so a 64-bit procedure is kept whole and a window's
// text stays wide.
#include "candy_button/ports/message_hook_port.h"
#include "platform/win32/win32_event_log.h"

namespace tarnwick::win32 {

class Win32MessageHooks : public platform::MessageHookPort {
 public:
  bool IsWindow(platform::WindowHandle window) const override;
  bool IsWindowOfThisProcess(platform::WindowHandle window) const override;
  platform::BindResult Bind(platform::WindowHandle window,
                            platform::BoundWindowTarget& target) override;
  void Unbind(platform::WindowHandle window, platform::ProcedureId previous) override;
  std::intptr_t CallProcedure(platform::ProcedureId procedure,
                              const platform::WindowMessage& message) override;
  bool IsFunctionExported(std::string_view function, std::string_view module) override;
  void RequestLeaveNotification(platform::WindowHandle window, bool user32_tracking) override;
  // An error entry in the Application log under the source "CandyButton".
  void WriteErrorEntry(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& title) override;

 private:
  Win32EventLog event_log_;
};

}  // namespace tarnwick::win32
