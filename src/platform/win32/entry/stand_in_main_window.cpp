#include "platform/win32/entry/stand_in_main_window.h"

#include "common/titles.h"

namespace tarnwick::entry {
namespace {

platform::WindowSpec StandInDesign(Edition edition) {
  platform::WindowSpec spec;
  spec.caption = titles::ProductTitle(edition);
  spec.frame = platform::FrameStyle::FixedSingle;
  spec.client_width = 1245;   // the bar's width
  spec.client_height = 9000;  // a part of its height that fits every screen
  spec.back_color = 0x404040;
  spec.with_icon = true;
  spec.centred = true;
  return spec;
}

}  // namespace

StandInMainWindow::StandInMainWindow(platform::Platform& platform, Edition edition)
    : platform_(platform), edition_(edition) {}

StandInMainWindow::~StandInMainWindow() { platform_.windows.Destroy(window_); }

void StandInMainWindow::Show() {
  if (window_ == platform::kNoWindow) window_ = platform_.windows.Create(StandInDesign(edition_), *this);
  (void)platform_.windows.Show(window_);
}

bool StandInMainWindow::OnUnload() {
  platform_.app.EndNow();
  return false;
}

}  // namespace tarnwick::entry
