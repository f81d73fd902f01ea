#pragma once
// The notification area through Shell_NotifyIconA. The launcher's 88-byte record (32-bit
// handles) is unpacked into the system's record of the first form, whose size differs in
// 64-bit programs.
//
// The launcher repeats its add many times a second. An add of an icon that this port put in
// the notification area itself, with the same record, and that nothing has removed since, is
// answered here as the system would answer it (the icon exists: the add fails) without a call
// to the shell. The port forgets its icons when the shell announces a restart (its icons are
// gone then) and when an icon is deleted, so the next add goes to the shell again.
#include <windows.h>

#include <map>
#include <utility>

#include "platform/tray_port.h"

namespace tarnwick::win32 {

class Win32Tray final : public platform::TrayPort {
 public:
  // `icon` is the icon the tray record names; the caller keeps it alive.
  explicit Win32Tray(HICON icon) : icon_(icon) {}
  bool NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) override;
  std::uint32_t ProgramIcon() override;
  // The shell (re)started with an empty notification area.
  void ForgetIcons() { present_.clear(); }

 private:
  using IconKey = std::pair<std::uint32_t, std::uint32_t>;  // window, icon identifier
  HICON icon_;
  std::map<IconKey, platform::TrayRecord> present_;  // icons this port added, with their records
};

}  // namespace tarnwick::win32
