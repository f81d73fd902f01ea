#pragma once
// The notification area. The launcher hands over its tray record (platform/common/tray_record.h).
#include <cstdint>

#include "platform/system_numbers.h"
#include "platform/common/tray_record.h"

namespace tarnwick::platform {

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  // The system's answer: true when the icon was added, changed or deleted.
  [[nodiscard]] virtual bool NotifyIcon(std::uint32_t message, const TrayRecord& record) = 0;
  // The handle of the program's icon, as the tray record carries it.
  virtual std::uint32_t ProgramIcon() = 0;
};

}  // namespace tarnwick::platform
