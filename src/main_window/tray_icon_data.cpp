#include "main_window/tray_icon_data.h"

#include <algorithm>

namespace tarnwick::main_window {

std::array<std::uint8_t, kTipBytes> TipField(const std::string& tip, const platform::AnsiCodePage& ansi) {
  std::array<std::uint8_t, kTipBytes> field;
  field.fill(' ');
  const std::string bytes = ansi.FromUtf8(tip);
  const std::size_t length = std::min(bytes.size(), kTipBytes - 1);
  std::copy_n(bytes.begin(), length, field.begin());
  field[length] = 0;
  return field;
}

}  // namespace tarnwick::main_window
