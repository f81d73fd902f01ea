#pragma once
// The notification-area record in the 88-byte layout of the first, single-byte form of the
// system's record (all fields little-endian):
//   0 cbSize, 4 hWnd, 8 uID, 12 uFlags, 16 uCallbackMessage, 20 hIcon, 24 szTip[64].
// The launcher fills the fields; the record's bytes are made and read here only.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tarnwick::platform {

inline constexpr std::size_t kTrayRecordSize = 88, kTrayTipBytes = 64;
using TrayRecord = std::array<std::uint8_t, kTrayRecordSize>;

struct TrayIconData {
  std::uint32_t cbSize = 0;
  std::uint32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  // The tip in the ANSI code page, NUL-terminated within the field.
  std::array<std::uint8_t, kTrayTipBytes> szTip{};

  TrayRecord ToRecord() const;
  static TrayIconData FromRecord(const TrayRecord& record);
};

}  // namespace tarnwick::platform
