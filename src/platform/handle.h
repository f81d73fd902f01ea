#pragma once
// Window handles as the launcher stores them: 32-bit values, 0 meaning "no window".
// Windows keeps the significant part of every window and icon handle in 32 bits, also in
// 64-bit processes, so the value round-trips through the backend's native handle type.
#include <cstdint>

namespace tarnwick::platform {

using WindowHandle = std::uint32_t;
inline constexpr WindowHandle kNoWindow = 0;

}  // namespace tarnwick::platform
