#include "main_window/tray_icon_data.h"

#include <algorithm>

namespace tarnwick::main_window {
namespace {
void PutField(platform::TrayRecord& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
}  // namespace

platform::TrayRecord TrayIconData::ToRecord() const {
  platform::TrayRecord record{};
  PutField(record, 0, cbSize);
  PutField(record, 4, hWnd);
  PutField(record, 8, uID);
  PutField(record, 12, uFlags);
  PutField(record, 16, uCallbackMessage);
  PutField(record, 20, hIcon);
  std::copy(szTip.begin(), szTip.end(), record.begin() + 24);
  return record;
}

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
