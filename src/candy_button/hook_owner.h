#pragma once
// The object whose message callback a window hook calls for each message that passes one of
// its tables.
#include <cstdint>

#include "platform/handle.h"

namespace tarnwick::candy {

class HookOwner {
 public:
  // `before` tells the pass. Setting `handled` in the before pass skips the window's own
  // procedure and the after pass, and `return_value` is what the system receives then. In the
  // after pass `return_value` starts as the window procedure's result. `user_value` is the
  // hook's value, writable.
  virtual void OnHookMessage(bool before, bool& handled, std::intptr_t& return_value,
                             platform::WindowHandle window, std::uint32_t message,
                             std::uintptr_t wparam, std::intptr_t lparam,
                             std::int32_t& user_value) = 0;

 protected:
  ~HookOwner() = default;
};

}  // namespace tarnwick::candy
