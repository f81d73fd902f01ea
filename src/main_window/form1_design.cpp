#include "main_window/form1_design.h"

#include "common/titles.h"

namespace tarnwick::main_window {
namespace {
constexpr int kButtonLeft = 120, kButtonWidth = 1095;
constexpr int kTopButtonTop = 120, kTopButtonHeight = 345;
constexpr int kFirstLaunchTop = 600, kLaunchStep = 960, kLaunchHeight = 855;

platform::ControlSpec Button(int number, platform::PicturePort& pictures) {
  using platform::DesignPicture;
  if (number == 0) {
    return platform::ImageControl(0, kButtonLeft, kTopButtonTop, kButtonWidth, kTopButtonHeight,
                                  pictures.LoadDesignPicture(DesignPicture::MainTopButton));
  }
  return platform::ImageControl(number, kButtonLeft, kFirstLaunchTop + kLaunchStep * (number - 1), kButtonWidth,
                                kLaunchHeight, pictures.LoadDesignPicture(DesignPicture::MainLaunchButton, number - 1));
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
