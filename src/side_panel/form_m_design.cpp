#include "side_panel/form_m_design.h"

#include "common/titles.h"

namespace tarnwick::side_panel {
namespace {
constexpr int kMargin = 120;
constexpr int kTabStep = 2160, kTabWidth = 2055, kTabHeight = 615;
constexpr int kButtonWidth = 1095, kProgramButtonHeight = 735, kProgramButtonStep = 840, kAboutHeight = 855;

}  // namespace

platform::WindowSpec FormMDesign(Edition edition, platform::PicturePort& pictures) {
  using platform::DesignPicture;
  platform::WindowSpec spec;
  spec.caption = titles::ProductTitle(edition);
  spec.frame = platform::FrameStyle::FixedSingle;
  spec.client_width = 15255;
  spec.client_height = 4335;
  spec.back_color = 0x404040;
  spec.with_icon = true;
  for (int tab = kFirstFolderTab; tab <= kLastFolderTab; ++tab) {
    spec.controls.push_back(platform::ImageControl(tab, kMargin + kTabStep * (tab - 1), kMargin, kTabWidth, kTabHeight,
                                    pictures.LoadDesignPicture(DesignPicture::PanelFolderTab, tab - 1)));
  }
  for (int button = kFirstProgramButton; button <= kLastProgramButton; ++button) {
    const int index = button - kFirstProgramButton;
    spec.controls.push_back(platform::ImageControl(button, kMargin, 840 + kProgramButtonStep * index, kButtonWidth,
                                    kProgramButtonHeight,
                                    pictures.LoadDesignPicture(DesignPicture::PanelProgramButton, index)));
  }
  auto about = platform::ImageControl(kAboutButton, kMargin, 3360, kButtonWidth, kAboutHeight,
                       pictures.LoadDesignPicture(DesignPicture::PanelAboutButton));
  about.stretch = false;
  spec.controls.push_back(about);

  platform::ControlSpec browser;
  browser.id = kWebBrowser1;
  browser.kind = platform::ControlKind::FolderView;
  browser.left = 1320;
  browser.top = 840;
  browser.width = 13815;
  browser.height = 3375;
  spec.controls.push_back(browser);
  for (int timer = kTimer0; timer <= kTimer3; ++timer) spec.timers.push_back({timer, 0});
  return spec;
}

}  // namespace tarnwick::side_panel
