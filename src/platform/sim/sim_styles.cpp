#include "platform/sim/sim_styles.h"

namespace tarnwick::sim {

std::optional<std::int32_t> SimStyles::ReadWindowLong(platform::WindowHandle window, int index) {
  log_.Record("GetWindowLongA", window, index);
  if (Missing("GetWindowLongA")) return std::nullopt;
  const SimWindow* found = table_.Find(window);
  if (found == nullptr) return 0;  // the system answers 0 for a window that does not exist
  return index == platform::kGwlExStyle ? found->ex_style : index == platform::kGwlStyle ? found->style : 0;
}

bool SimStyles::WriteWindowLong(platform::WindowHandle window, int index, std::int32_t value) {
  log_.Record("SetWindowLongA", window, index, value);
  if (Missing("SetWindowLongA")) return false;
  SimWindow* found = table_.Find(window);
  if (found == nullptr) return true;  // the call runs and fails quietly
  if (index == platform::kGwlExStyle) found->ex_style = value;
  if (index == platform::kGwlStyle) found->style = value;
  return true;
}

bool SimStyles::IsWindow(platform::WindowHandle window) {
  log_.Record("IsWindow", window);
  return table_.Find(window) != nullptr;
}

bool SimStyles::SetLayeredWindowAttributes(platform::WindowHandle window, std::uint32_t color_key, std::uint8_t alpha,
                                           std::uint32_t flags) {
  log_.Record("SetLayeredWindowAttributes", window, color_key, static_cast<int>(alpha), flags);
  if (Missing("SetLayeredWindowAttributes")) return false;
  SimWindow* found = table_.Find(window);
  // Like the system, only a layered window takes an opacity; the call itself still ran.
  if (found != nullptr && (found->ex_style & platform::kWsExLayered) != 0 && (flags & platform::kLwaAlpha) != 0) {
    found->alpha = alpha;
  }
  return true;
}

std::optional<platform::OsVersion> SimStyles::QueryVersion(std::uint32_t record_size) {
  log_.Record("GetVersionExA", record_size);
  if (Missing("GetVersionExA") || record_size != 148) return std::nullopt;
  return version;
}

}  // namespace tarnwick::sim
