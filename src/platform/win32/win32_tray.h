#pragma once
// The notification area through Shell_NotifyIconA. The launcher's 88-byte record (32-bit
// handles) is unpacked into the system's record of the first form, whose size differs in
// 64-bit programs.
#include <windows.h>

#include "platform/tray_port.h"

namespace tarnwick::win32 {

class Win32Tray final : public platform::TrayPort {
 public:
  // `icon` is the icon the tray record names; the caller keeps it alive.
  explicit Win32Tray(HICON icon) : icon_(icon) {}
  bool NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) override;
  std::uint32_t ProgramIcon() override;

 private:
  HICON icon_;
};

}  // namespace tarnwick::win32
