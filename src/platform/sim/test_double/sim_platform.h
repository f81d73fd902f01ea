#pragma once
// The whole simulated platform: every port, wired to one call log, one virtual clock and one
// window table. A test makes one, runs the program's real handlers against `Ports()`, and
// inspects or scripts the parts.
#include "platform/platform.h"
#include "platform/sim/call_log.h"
#include "platform/sim/cp949_code_page.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_ini.h"
#include "platform/sim/sim_pictures.h"
#include "platform/sim/sim_recorders.h"
#include "platform/sim/sim_styles.h"
#include "platform/sim/sim_tray.h"
#include "platform/sim/sim_window_table.h"
#include "platform/sim/sim_windows.h"
#include "platform/sim/test_double/sim_application.h"

namespace tarnwick::sim {

class SimPlatform {
 public:
  SimPlatform();
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  platform::Platform& Ports() { return ports_; }
  // Writes `bytes` to a file of the program folder (for example "config.ini").
  void WriteProgramFile(const std::string& relative_path, const std::string& bytes);
  // The state of a window, or nullptr when it does not exist.
  const SimWindow* Window(platform::WindowHandle handle) const { return table.Find(handle); }

  CallLog log;
  SimWindowTable table;
  SimClock clock{log};
  SimWindows windows{log, table, clock};
  SimStyles styles{log, table};
  SimIni ini{log};
  Cp949CodePage ansi;
  SimTray tray{log};
  SimApplication app{log, clock, windows};
  SimProcesses processes{log};
  SimFolderView folder_view{log};
  SimPictures pictures{log};
  SimEventLog event_log{log};

 private:
  platform::Platform ports_;
};

}  // namespace tarnwick::sim
