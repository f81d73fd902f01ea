#pragma once
// The simulated notification area: it holds the icons that were added, refuses to add one that
// is present or delete one that is not, as the system does, and can lose all icons as when
// the desktop shell restarts.
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "platform/sim/call_log.h"
#include "platform/tray_port.h"

namespace tarnwick::sim {

class SimTray : public platform::TrayPort {
 public:
  explicit SimTray(CallLog& log) : log_(log) {}
  bool NotifyIcon(std::uint32_t message, const platform::TrayRecord& record) override;
  std::uint32_t ProgramIcon() override { return kProgramIcon; }

  void RestartShell() { icons_.clear(); }
  bool HasIcon(std::uint32_t window, std::uint32_t id) const { return icons_.count({window, id}) != 0; }
  // Every record handed over, with its message, in order (kept while `keep_records`).
  bool keep_records = true;
  std::vector<std::pair<std::uint32_t, platform::TrayRecord>> records;

  static constexpr std::uint32_t kProgramIcon = 0x00020017;

 private:
  CallLog& log_;
  std::set<std::pair<std::uint32_t, std::uint32_t>> icons_;
};

}  // namespace tarnwick::sim
