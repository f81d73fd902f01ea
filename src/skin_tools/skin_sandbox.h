#pragma once
// The launcher's own windows and handlers run against the simulated platform, in a virtual
// program folder that stands for a skin folder: the skin tools watch what the launcher reads,
// loads, starts and shows, and draw its windows from the simulated window table.
#include <filesystem>
#include <memory>
#include <optional>

#include "app/bar_and_panel.h"
#include "app/form_x.h"
#include "common/edition.h"
#include "platform/platform.h"
#include "platform/sim/call_log.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_pictures.h"
#include "platform/sim/sim_recorders.h"
#include "platform/sim/sim_styles.h"
#include "platform/sim/sim_tray.h"
#include "platform/sim/sim_window_table.h"
#include "platform/sim/sim_windows.h"
#include "skin_tools/design_pictures.h"
#include "skin_tools/sandbox_ports.h"

namespace tarnwick::skin_tools {

struct SandboxOptions {
  Edition edition = Edition::Full;
  // Every picture load yields a tag naming its lookup instead of the picture (see TracingPictures).
  bool tag_pictures = false;
  // The built-in pictures as drawn (assets/), or grey tiles of their size where only sizes matter.
  bool drawn_design_pictures = true;
  sim::SimScreen screen;
};

class SkinSandbox {
 public:
  SkinSandbox(const std::filesystem::path& skin_folder, platform::AnsiCodePage& code_page,
              const SandboxOptions& options);
  SkinSandbox(const SkinSandbox&) = delete;
  SkinSandbox& operator=(const SkinSandbox&) = delete;

  // Constructs the splash window as the program does first, without running the start-up.
  void BuildSplash();
  // Constructs the bar (as at start-up) and gives it its first docking tick.
  void BuildBar();
  // The bar's Image0 click: constructs and shows the panel; the full edition's opening runs
  // to its end.
  void OpenPanel();
  // Clicks every picture control of the bar (Image0 opens the panel), then of the panel.
  void ClickEveryButton();
  // Holds a mouse button down on button `n` of the bar.
  void PressBarButton(int n);

  const sim::SimWindow* Splash() const;
  const sim::SimWindow* Bar() const;
  const sim::SimWindow* Panel() const;
  const sim::SimScreen& Screen() const { return windows_.screen; }
  // Everything looked up so far and, after a tagging run, where each picture went; `with_values`
  // adds the value the launcher got (read again through the launcher's own lookup).
  LauncherTrace Trace(bool with_values = true);

 private:
  void RunTimersUntilPanelRests();
  void ClickEveryImage(platform::WindowHandle window, LauncherWindow which);
  void NoteTaggedTargets(LauncherTrace& trace) const;

  platform::AnsiCodePage& code_page_;
  Edition edition_;
  HostPaths paths_;
  TraceRecorder recorder_;
  sim::CallLog log_;
  sim::SimWindowTable table_;
  sim::SimClock clock_{log_};
  sim::SimWindows windows_{log_, table_, clock_};
  sim::SimStyles styles_{log_, table_};
  TracingIni ini_;
  sim::SimTray tray_{log_};
  FolderApplication app_;
  TracingProcesses processes_{recorder_};
  TracingFolderView folder_view_{recorder_};
  EmbeddedDesignPictures drawn_design_pictures_;
  sim::SimPictures design_tiles_{log_};
  TracingPictures pictures_;
  sim::SimEventLog event_log_{log_};
  platform::Platform ports_;
  app::BarAndPanel launcher_;
  std::optional<app::FormX> splash_;
};

}  // namespace tarnwick::skin_tools
