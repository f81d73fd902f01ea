#pragma once
// The program's one notification-area record, in the 88-byte layout of the system's
// single-byte record.
#include <array>
#include <cstdint>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/tray_port.h"

namespace tarnwick::main_window {

inline constexpr std::uint32_t kNifMessage = 1, kNifIcon = 2, kNifTip = 4;
inline constexpr std::uint32_t kWmMouseMove = 512;
inline constexpr std::size_t kTipBytes = 64;

struct TrayIconData {
  std::uint32_t cbSize = 0;
  std::uint32_t hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uint32_t hIcon = 0;
  // The tip in the ANSI code page: the text, one NUL, then spaces up to 64 bytes. A tip too
  // long for the field is cut so that the NUL always remains.
  std::array<std::uint8_t, kTipBytes> szTip{};

  platform::TrayRecord ToRecord() const;
};

// The tip field for `tip` (internal text), converted once to the ANSI code page.
std::array<std::uint8_t, kTipBytes> TipField(const std::string& tip, const platform::AnsiCodePage& ansi);

}  // namespace tarnwick::main_window
