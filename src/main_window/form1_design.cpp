#include "main_window/form1_design.h"

#include "common/titles.h"

namespace tarnwick::main_window {
namespace {
constexpr int kButtonLeft = 120, kButtonWidth = 1095;
constexpr int kTopButtonTop = 120, kTopButtonHeight = 345;
constexpr int kFirstLaunchTop = 600, kLaunchStep = 960, kLaunchHeight = 855;

platform::ControlSpec Button(int number, platform::PicturePort& pictures) {
  platform::ControlSpec button;
  button.id = number;
  button.kind = platform::ControlKind::Image;
  button.left = kButtonLeft;
  button.width = kButtonWidth;
  button.stretch = true;
  if (number == 0) {
    button.top = kTopButtonTop;
    button.height = kTopButtonHeight;
    button.picture = pictures.LoadDesignPicture(platform::DesignPicture::MainTopButton);
  } else {
    button.top = kFirstLaunchTop + kLaunchStep * (number - 1);
    button.height = kLaunchHeight;
    button.picture = pictures.LoadDesignPicture(platform::DesignPicture::MainLaunchButton, number - 1);
  }
  return button;
}
}  // namespace

platform::WindowSpec Form1Design(Edition edition, platform::PicturePort& pictures) {
  platform::WindowSpec spec;
  spec.caption = titles::ProductTitle(edition);
  spec.frame = platform::FrameStyle::FixedSingle;
  spec.client_width = 1245;
  spec.client_height = 23625;
  spec.back_color = 0x404040;
  spec.with_icon = true;
  for (int number = 0; number < kButtonCount; ++number) spec.controls.push_back(Button(number, pictures));
  spec.timers.push_back({kTimer1, 1});
  return spec;
}

}  // namespace tarnwick::main_window
