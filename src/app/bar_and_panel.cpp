#include "app/bar_and_panel.h"

#include <utility>

namespace tarnwick::app {

BarAndPanel::BarAndPanel(platform::Platform& platform, Edition edition, std::function<void()> before_panel_opens)
    : platform_(platform),
      edition_(edition),
      before_panel_opens_(std::move(before_panel_opens)),
      side_panel_(platform, edition, [this] { return BarWidth(); }) {}

main_window::Form1& BarAndPanel::LoadBar() {
  if (!bar_) {
    bar_.emplace(platform_, edition_,
                 main_window::SidePanelLink{[this] {
                                              if (before_panel_opens_) before_panel_opens_();
                                              side_panel_.Open();
                                            },
                                            [this] { side_panel_.UnloadIfLoaded(); }});
    bar_->Form_Load();
  }
  return *bar_;
}

float BarAndPanel::BarWidth() const {
  if (!bar_) return 0.0f;
  return platform_.windows.GetDimension(bar_->Handle(), platform::Dimension::Width).value_or(0.0f);
}

}  // namespace tarnwick::app
