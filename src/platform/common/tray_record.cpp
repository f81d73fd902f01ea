#include "platform/common/tray_record.h"

#include <algorithm>

namespace tarnwick::platform {
namespace {

constexpr std::size_t kSizeOffset = 0, kWindowOffset = 4, kIdOffset = 8, kFlagsOffset = 12,
                      kCallbackOffset = 16, kIconOffset = 20, kTipOffset = 24;

void PutField(TrayRecord& record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetField(const TrayRecord& record, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
  return value;
}

}  // namespace

TrayRecord TrayIconData::ToRecord() const {
  TrayRecord record{};
  PutField(record, kSizeOffset, cbSize);
  PutField(record, kWindowOffset, hWnd);
  PutField(record, kIdOffset, uID);
  PutField(record, kFlagsOffset, uFlags);
  PutField(record, kCallbackOffset, uCallbackMessage);
  PutField(record, kIconOffset, hIcon);
  std::copy(szTip.begin(), szTip.end(), record.begin() + kTipOffset);
  return record;
}

TrayIconData TrayIconData::FromRecord(const TrayRecord& record) {
  TrayIconData data;
  data.cbSize = GetField(record, kSizeOffset);
  data.hWnd = GetField(record, kWindowOffset);
  data.uID = GetField(record, kIdOffset);
  data.uFlags = GetField(record, kFlagsOffset);
  data.uCallbackMessage = GetField(record, kCallbackOffset);
  data.hIcon = GetField(record, kIconOffset);
  std::copy_n(record.begin() + kTipOffset, kTrayTipBytes, data.szTip.begin());
  return data;
}

}  // namespace tarnwick::platform
