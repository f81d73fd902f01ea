#pragma once
// Opens the side panel from the main window's top button (creating it on first use, and again
// after an LE close destroyed it) and unloads it at exit.
#include <functional>
#include <memory>

#include "common/edition.h"
#include "platform/platform.h"
#include "side_panel/form_m.h"

namespace tarnwick::side_panel {

class SidePanelHost {
 public:
  SidePanelHost(platform::Platform& platform, Edition edition, std::function<float()> main_window_width)
      : platform_(platform), edition_(edition), main_window_width_(std::move(main_window_width)) {}

  // The main window's Image0 click.
  void Open();
  // The first step of the program's exit: a close request to the panel if it is loaded.
  void UnloadIfLoaded();
  // The panel, or nullptr before its first opening.
  FormM* Panel() const { return panel_.get(); }

 private:
  platform::Platform& platform_;
  Edition edition_;
  std::function<float()> main_window_width_;
  std::unique_ptr<FormM> panel_;
};

}  // namespace tarnwick::side_panel
