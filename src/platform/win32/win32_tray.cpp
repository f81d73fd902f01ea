#include "platform/win32/win32_tray.h"

#include <shellapi.h>

#include <cstring>

#include "platform/win32/native_handle.h"

namespace tarnwick::win32 {
namespace {

NOTIFYICONDATAA UnpackTrayRecord(const platform::TrayIconData& fields) {
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = ToHwnd(fields.hWnd);
  data.uID = fields.uID;
  data.uFlags = fields.uFlags;
  data.uCallbackMessage = fields.uCallbackMessage;
  data.hIcon = ToHicon(fields.hIcon);
  static_assert(sizeof data.szTip >= platform::kTrayTipBytes);
  std::memcpy(data.szTip, fields.szTip.data(), platform::kTrayTipBytes);
  data.szTip[platform::kTrayTipBytes - 1] = '\0';
  return data;
}

}  // namespace

bool Win32Tray::NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) {
  const auto fields = platform::TrayIconData::FromRecord(record);
  const IconKey key{fields.hWnd, fields.uID};
  const auto known = present_.find(key);
  if (message == platform::kNimAdd && known != present_.end() && known->second == record) return false;
  NOTIFYICONDATAA data = UnpackTrayRecord(fields);
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
