#pragma once
// Window-procedure hooks: a control sees chosen messages of its own window before and/or
// after the window's own procedure, and can ask for one pointer-leave notification.
// The win32 backend replaces the window procedure; the sim calls the client directly.
#include <cstdint>
#include <string>

#include "platform/handle.h"

namespace tarnwick::platform {

inline constexpr int kHookBefore = 1, kHookAfter = 2;
inline constexpr std::int32_t kAllMessages = -1;
inline constexpr std::uint32_t kMsgPaint = 15, kMsgMouseMove = 512, kMsgMouseLeave = 675;

struct HookedMessage {
  WindowHandle window = kNoWindow;
  std::uint32_t message = 0;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
};

class MessageHookClient {
 public:
  virtual ~MessageHookClient() = default;
  // `handled` skips the window's own procedure (before pass only); `result` is what the
  // system then receives. `user_value` is the hook's value, writable.
  virtual void OnHookMessage(bool before, bool& handled, std::intptr_t& result,
                             const HookedMessage& message, std::int32_t& user_value) = 0;
};

class MessageHookPort {
 public:
  virtual ~MessageHookPort() = default;
  [[nodiscard]] virtual bool Subclass(WindowHandle window, std::int32_t user_value,
                                      MessageHookClient& client) = 0;
  // Requests release; the hook is freed once no call into the old procedure is running.
  virtual void UnSubclass(WindowHandle window) = 0;
  virtual void TerminateAll() = 0;
  virtual void AddMessage(WindowHandle window, std::int32_t message, int when) = 0;
  virtual void RemoveMessage(WindowHandle window, std::int32_t message, int when) = 0;
  virtual std::intptr_t CallOriginal(const HookedMessage& message) = 0;
  virtual std::int32_t UserValue(WindowHandle window) const = 0;
  virtual void SetUserValue(WindowHandle window, std::int32_t value) = 0;

  // Pointer-leave tracking: whether the system offers it, and one request for a window.
  virtual bool LeaveTrackingAvailable() const = 0;
  virtual void RequestLeaveNotification(WindowHandle window) = 0;
};

}  // namespace tarnwick::platform
