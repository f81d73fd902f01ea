#pragma once
// Window styles and opacity. Each call returns whether it could be made: false (or nullopt)
// means the call itself failed to run, as when the function is missing on an old system.
#include <cstdint>
#include <optional>

#include "platform/handle.h"
#include "platform/system_numbers.h"

namespace tarnwick::platform {

struct OsVersion {
  std::uint32_t major = 0, minor = 0, build = 0, platform_id = 0;
};

class WindowStylePort {
 public:
  virtual ~WindowStylePort() = default;
  [[nodiscard]] virtual std::optional<std::int32_t> ReadWindowLong(WindowHandle window, int index) = 0;
  [[nodiscard]] virtual bool WriteWindowLong(WindowHandle window, int index, std::int32_t value) = 0;
  virtual bool IsWindow(WindowHandle window) = 0;
  [[nodiscard]] virtual bool SetLayeredWindowAttributes(WindowHandle window, std::uint32_t color_key, std::uint8_t alpha,
                                          std::uint32_t flags) = 0;
  // The version query with a record whose size field is `record_size`; nullopt when it fails.
  [[nodiscard]] virtual std::optional<OsVersion> QueryVersion(std::uint32_t record_size) = 0;
};

}  // namespace tarnwick::platform
