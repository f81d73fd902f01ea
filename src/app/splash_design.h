#pragma once
// The splash window as designed: borderless, black, 6540 x 870 twips, logo on the left and
// the title lines on the right.
#include "platform/picture_port.h"
#include "platform/window_spec.h"

namespace tarnwick::app {

platform::WindowSpec SplashDesign(platform::PicturePort& pictures);

}  // namespace tarnwick::app
