#pragma once
// Window opacity through the layered-window mechanism: one remembered target window that can be
// made layered, given an opacity and made ordinary again, plus a one-call opacity setter.
// Every operation swallows platform failures: on a system without layered windows nothing
// changes and nothing is reported.
#include <cstdint>

#include "platform/handle.h"
#include "platform/window_style_port.h"

namespace tarnwick::fading {

class FormTransparency {
 public:
  explicit FormTransparency(platform::WindowStylePort& styles) : styles_(styles) {}

  // True when the version query works and reports major version 5 or higher.
  bool IsLayeringSupported();
  template <typename Form>
  void SetTargetForm(const Form& form) {
    targetHwnd = form.Handle();
  }
  void SetTargetHandle(platform::WindowHandle handle) { targetHwnd = handle; }
  void EnableLayering();
  void DisableLayering();
  void SetTargetAlpha(std::uint8_t alpha);

 private:
  // The window test, then the version test; false means "do nothing".
  bool Guard();
  std::int32_t ExtendedStyleOrZero();

  platform::WindowStylePort& styles_;
  platform::WindowHandle targetHwnd = platform::kNoWindow;
};

// Result codes of SetWindowAlpha.
inline constexpr std::int32_t kAlphaApplied = 0;
inline constexpr std::int32_t kAlphaOutOfRange = 1;
inline constexpr std::int32_t kAlphaCallFailed = 2;

// Makes `window` layered with opacity `alpha` (0..255). Out of range: kAlphaOutOfRange and
// nothing changes. A platform call that could not be made: kAlphaCallFailed. The window stays
// layered for the rest of its life.
std::int32_t SetWindowAlpha(platform::WindowStylePort& styles, platform::WindowHandle window,
                            const std::int16_t& alpha);

}  // namespace tarnwick::fading
