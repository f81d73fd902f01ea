#pragma once
// The main bar as designed: a captioned window 1245 x 23625 twips of client area on dark grey,
// with one column of 25 picture buttons (Image0 on top, Image1..Image24 below it) and Timer1.
#include "common/edition.h"
#include "platform/picture_port.h"
#include "platform/window_spec.h"

namespace tarnwick::main_window {

inline constexpr int kButtonCount = 25;
inline constexpr int kTimer1 = 1;

platform::WindowSpec Form1Design(Edition edition, platform::PicturePort& pictures);

}  // namespace tarnwick::main_window
