#pragma once
// The notification area. The launcher hands over its tray record in the 88-byte layout of the
// first, single-byte form of the system's record (all fields little-endian):
//   0 cbSize, 4 hWnd, 8 uID, 12 uFlags, 16 uCallbackMessage, 20 hIcon, 24 szTip[64].
#include <array>
#include <cstdint>

namespace tarnwick::platform {

inline constexpr std::size_t kTrayRecordSize = 88;
using TrayRecord = std::array<std::uint8_t, kTrayRecordSize>;

inline constexpr std::uint32_t kNimAdd = 0, kNimModify = 1, kNimDelete = 2;

class TrayPort {
 public:
  virtual ~TrayPort() = default;
  // The system's answer: true when the icon was added, changed or deleted.
  virtual bool NotifyIcon(std::uint32_t message, const TrayRecord& record) = 0;
  // The handle of the program's icon, as the tray record carries it.
  virtual std::uint32_t ProgramIcon() = 0;
};

}  // namespace tarnwick::platform
