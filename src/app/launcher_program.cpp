#include "app/launcher_program.h"

namespace tarnwick::app {

LauncherProgram::LauncherProgram(platform::Platform& platform, Edition edition)
    : platform_(platform),
      edition_(edition),
      side_panel_(platform, edition, [this] { return MainWindowWidth(); }),
      splash_(platform, edition, [this] { ShowMainWindow(); }) {}

void LauncherProgram::ShowMainWindow() {
  if (!main_window_) {
    main_window_.emplace(platform_, edition_,
                         main_window::SidePanelLink{[this] { side_panel_.Open(); },
                                                    [this] { side_panel_.UnloadIfLoaded(); }});
    main_window_->Form_Load();
  }
  main_window_->Show();
}

float LauncherProgram::MainWindowWidth() const {
  if (!main_window_) return 0.0f;
  return platform_.windows.GetDimension(main_window_->Handle(), platform::Dimension::Width).value_or(0.0f);
}

}  // namespace tarnwick::app
