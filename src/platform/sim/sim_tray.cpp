#include "platform/sim/sim_tray.h"

namespace tarnwick::sim {

std::uint32_t TrayField(const platform::TrayRecord& record, std::size_t offset) {
  return static_cast<std::uint32_t>(record[offset]) | static_cast<std::uint32_t>(record[offset + 1]) << 8 |
         static_cast<std::uint32_t>(record[offset + 2]) << 16 | static_cast<std::uint32_t>(record[offset + 3]) << 24;
}

bool SimTray::NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) {
  log_.Record("Shell_NotifyIconA", message);
  if (keep_records) records.emplace_back(message, record);
  if (TrayField(record, 0) != platform::kTrayRecordSize) return false;
  const std::pair<std::uint32_t, std::uint32_t> key{TrayField(record, 4), TrayField(record, 8)};
  switch (message) {
    case platform::kNimAdd: return icons_.insert(key).second;
    case platform::kNimModify: return icons_.count(key) != 0;
    case platform::kNimDelete: return icons_.erase(key) != 0;
    default: return false;
  }
}

}  // namespace tarnwick::sim
