#include "app/splash_design.h"

#include "app/form_x.h"

namespace tarnwick::app {

platform::WindowSpec SplashDesign(platform::PicturePort& pictures) {
  platform::WindowSpec spec;
  spec.frame = platform::FrameStyle::None;
  spec.client_width = 6540;
  spec.client_height = 870;
  spec.back_color = 0x000000;
  spec.centred = true;

  platform::ControlSpec logo;
  logo.id = FormX::kPicture1;
  logo.kind = platform::ControlKind::PictureBox;
  logo.width = 1500;
  logo.height = 870;
  logo.stretch = false;
  logo.picture = pictures.LoadDesignPicture(platform::DesignPicture::SplashLogo);
  spec.controls.push_back(logo);

  platform::ControlSpec label;
  label.id = FormX::kLabel1;
  label.kind = platform::ControlKind::Label;
  label.left = 1560;
  label.width = 4935;
  label.height = 855;
  label.font_name = "Tahoma";
  label.font_points = 9;
  label.fore_color = 0xFFFFFF;
  spec.controls.push_back(label);
  return spec;
}

}  // namespace tarnwick::app
