#include "side_panel/side_panel_host.h"

#include "common/titles.h"
#include "side_panel/form_m_design.h"

namespace tarnwick::side_panel {
void SidePanelHost::Open() {
  if (!panel_ || !panel_->Loaded()) {
    panel_.reset();
    panel_ = std::make_unique<FormM>(platform_, edition_, main_window_width_);
    panel_->Form_Load();
  }
  panel_->Show();
  if (edition_ == Edition::Full) {
    panel_->StartTimer(kTimer0);
  } else {
    panel_->PlaceAtFixedSpot(kLePanelWidth);
  }
  // Both windows carry this caption, so either may come forward.
  (void)platform_.windows.ActivateByTitle(titles::ProductTitle(edition_));
  (void)platform_.windows.ShowWindow(platform_.windows.ForegroundWindow(), platform::kSwShowNormal);
}

void SidePanelHost::UnloadIfLoaded() {
  if (!panel_ || !panel_->Loaded()) return;
  if (!panel_->Form_Unload()) panel_.reset();
}

}  // namespace tarnwick::side_panel
