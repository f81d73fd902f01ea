#pragma once
// Simulated window styles and opacity. Tests can make any call fail as if the function were
// missing on an old system, and can set the version the query reports.
#include <set>
#include <string>

#include "platform/sim/call_log.h"
#include "platform/sim/sim_window_table.h"
#include "platform/window_style_port.h"

namespace tarnwick::sim {

class SimStyles : public platform::WindowStylePort {
 public:
  SimStyles(CallLog& log, SimWindowTable& table) : log_(log), table_(table) {}

  std::optional<std::int32_t> ReadWindowLong(platform::WindowHandle window, int index) override;
  bool WriteWindowLong(platform::WindowHandle window, int index, std::int32_t value) override;
  bool IsWindow(platform::WindowHandle window) override;
  bool SetLayeredWindowAttributes(platform::WindowHandle window, std::uint32_t color_key, std::uint8_t alpha,
                                  std::uint32_t flags) override;
  std::optional<platform::OsVersion> QueryVersion(std::uint32_t record_size) override;

  // Names of calls ("GetWindowLongA", "SetWindowLongA", "SetLayeredWindowAttributes",
  // "GetVersionExA") that fail as if the function did not exist.
  std::set<std::string> missing_functions;
  platform::OsVersion version{6, 1, 7601, 2};

 private:
  bool Missing(const char* name) const { return missing_functions.count(name) != 0; }

  CallLog& log_;
  SimWindowTable& table_;
};

}  // namespace tarnwick::sim
