#pragma once
// The program's one notification-area record and the tip it carries.
#include <array>
#include <cstdint>
#include <string>

#include "platform/ansi_code_page.h"
#include "platform/common/tray_record.h"

namespace tarnwick::main_window {

using platform::TrayIconData;
inline constexpr std::size_t kTipBytes = platform::kTrayTipBytes;

// The tip field for `tip` (internal text), converted once to the ANSI code page: the text, one
// NUL, then spaces up to 64 bytes. A tip too long for the field is cut so that the NUL always
// remains.
std::array<std::uint8_t, kTipBytes> TipField(const std::string& tip, const platform::AnsiCodePage& ansi);

}  // namespace tarnwick::main_window
