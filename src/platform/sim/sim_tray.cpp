#include "platform/sim/sim_tray.h"

namespace tarnwick::sim {

bool SimTray::NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) {
  log_.Record("Shell_NotifyIconA", message);
  if (keep_records) records.emplace_back(message, record);
  const auto fields = platform::TrayIconData::FromRecord(record);
  if (fields.cbSize != platform::kTrayRecordSize) return false;
  const std::pair<std::uint32_t, std::uint32_t> key{fields.hWnd, fields.uID};
  switch (message) {
    case platform::kNimAdd: return icons_.insert(key).second;
    case platform::kNimModify: return icons_.count(key) != 0;
    case platform::kNimDelete: return icons_.erase(key) != 0;
    default: return false;
  }
}

}  // namespace tarnwick::sim
