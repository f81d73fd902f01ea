#pragma once
// The stored values behind the candy button's properties. A new control starts with every
// value zero (False, 0, empty, no picture).
#include <cstdint>
#include <optional>
#include <string>

#include "candy_button/button_picture.h"
#include "platform/colour_port.h"

namespace tarnwick::candy {

struct CandyProperties {
  std::int32_t style = 0;
  std::int32_t picture_alignment = 0;
  bool checked = false;
  std::string caption;
  std::optional<ButtonPicture> picture;
  platform::Colour color_button_hover = 0;
  platform::Colour color_button_up = 0;
  platform::Colour color_button_down = 0;
  platform::Colour color_bright = 0;
  platform::Colour fore_color = 0;
  bool display_hand = false;
  std::int32_t border_brightness = 0;
  std::int32_t color_scheme = 0;
  bool icon_highlite = false;
  platform::Colour icon_highlite_color = 0;
  bool caption_highlite = false;
  platform::Colour caption_highlite_color = 0;
  bool enabled = false;
};

}  // namespace tarnwick::candy
