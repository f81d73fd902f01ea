#include "fading/form_transparency.h"

namespace tarnwick::fading {
namespace {
constexpr std::uint32_t kFirstLayeringMajorVersion = 5;
constexpr std::uint32_t kNoColorKey = 0;
}  // namespace

bool FormTransparency::IsLayeringSupported() {
  const auto version = styles_.QueryVersion(platform::kOsVersionInfoSize);
  return version && version->major >= kFirstLayeringMajorVersion;
}

bool FormTransparency::Guard() { return styles_.IsWindow(targetHwnd) && IsLayeringSupported(); }

std::int32_t FormTransparency::ExtendedStyleOrZero() {
  return styles_.ReadWindowLong(targetHwnd, platform::kGwlExStyle).value_or(0);
}

void FormTransparency::EnableLayering() {
  if (!Guard()) return;
  (void)styles_.WriteWindowLong(targetHwnd, platform::kGwlExStyle, ExtendedStyleOrZero() | platform::kWsExLayered);
}

void FormTransparency::DisableLayering() {
  if (!Guard()) return;
  (void)styles_.WriteWindowLong(targetHwnd, platform::kGwlExStyle, ExtendedStyleOrZero() & ~platform::kWsExLayered);
}

void FormTransparency::SetTargetAlpha(std::uint8_t alpha) {
  if (!Guard()) return;
  // A style that cannot be read is treated as not layered, so the window is made layered first.
  const auto style = styles_.ReadWindowLong(targetHwnd, platform::kGwlExStyle);
  if (!style || (*style & platform::kWsExLayered) == 0) EnableLayering();
  (void)styles_.SetLayeredWindowAttributes(targetHwnd, kNoColorKey, alpha, platform::kLwaAlpha);
}

std::int32_t SetWindowAlpha(platform::WindowStylePort& styles, platform::WindowHandle window,
                            const std::int16_t& alpha) {
  if (alpha < 0 || alpha > 255) return kAlphaOutOfRange;
  bool all_calls_made = true;
  const auto style = styles.ReadWindowLong(window, platform::kGwlExStyle);
  all_calls_made &= style.has_value();
  all_calls_made &= styles.WriteWindowLong(window, platform::kGwlExStyle, style.value_or(0) | platform::kWsExLayered);
  all_calls_made &=
      styles.SetLayeredWindowAttributes(window, kNoColorKey, static_cast<std::uint8_t>(alpha), platform::kLwaAlpha);
  return all_calls_made ? kAlphaApplied : kAlphaCallFailed;
}

}  // namespace tarnwick::fading
