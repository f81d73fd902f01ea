#include "platform/win32/win32_tray.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/native_handle.h"

namespace tarnwick::win32 {
namespace {

std::uint32_t ReadField(const platform::TrayRecord& record, std::size_t offset) {
  return static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8 |
         static_cast<std::uint32_t>(record[offset + 2]) << 16 | static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

constexpr std::size_t kWindowOffset = 4, kIdOffset = 8, kFlagsOffset = 12, kCallbackOffset = 16, kIconOffset = 20,
                      kTipOffset = 24, kTipSize = 64;

NOTIFYICONDATAA UnpackTrayRecord(const platform::TrayRecord& record) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = ToHwnd(ReadField(record, kWindowOffset));
  data.uID = ReadField(record, kIdOffset);
  data.uFlags = ReadField(record, kFlagsOffset);
  data.uCallbackMessage = ReadField(record, kCallbackOffset);
  data.hIcon = ToHicon(ReadField(record, kIconOffset));
  std::memcpy(data.szTip, record.data() + kTipOffset, kTipSize);
  data.szTip[kTipSize - 1] = '\0';
  return data;
}

}  // namespace

bool Win32Tray::NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) {
  const IconKey key{ReadField(record, kWindowOffset), ReadField(record, kIdOffset)};
  const auto known = present_.find(key);
  if (message == platform::kNimAdd && known != present_.end() && known->second == record) return false;
  NOTIFYICONDATAA data = UnpackTrayRecord(record);
  const bool done = Shell_NotifyIconA(message, &data) != FALSE;
  if (message == platform::kNimDelete) {
    present_.erase(key);
  } else if (done) {
    present_[key] = record;
  }
  return done;
}

std::uint32_t Win32Tray::ProgramIcon() { return FromHicon(icon_); }

}  // namespace tarnwick::win32
