#pragma once
// The candy button golden images: each case renders one button on the software raster.
// tests/golden/<name>.png holds the accepted image; tools/candy_golden_update rewrites them.
#include <string>
#include <vector>

#include "candy_button/candy_button.h"
#include "candy_button/sim/raster_candy_host.h"

namespace tarnwick::golden {

struct GoldenCase {
  std::string name;
  int style = 0, scheme = 0;
  candy::ButtonState state = candy::ButtonState::Normal;
  int width = 64, height = 24;
  bool enabled = true, checked = false;
  std::string caption = "&Ok";
};

inline std::vector<GoldenCase> GoldenCases() {
  using candy::ButtonState;
  return {
      {"classic_hover", 0, 0, ButtonState::Hover},
      {"classic_pressed", 0, 0, ButtonState::Pressed},
      {"flat_checked", 1, 0, ButtonState::Normal, 64, 24, true, true},
      {"gloss2_normal", 2, 1, ButtonState::Normal},
      {"gloss3_hover_blue", 3, 3, ButtonState::Hover},
      {"gloss4_pressed_red", 4, 4, ButtonState::Pressed},
      {"gloss5_focused_green", 5, 5, ButtonState::Focused},
      {"shaded6_normal_yellow", 6, 6, ButtonState::Normal},
      {"gloss7_disabled", 7, 1, ButtonState::Normal, 64, 24, false},
      {"gloss2_large_light_blue", 2, 2, ButtonState::Hover, 160, 48, true, false, "Large"},
  };
}

inline sim::RasterImage RenderGolden(const GoldenCase& c) {
  constexpr platform::Colour kBackground = 0xF0F0F0;
  sim::RasterCandyHost host(c.width, c.height);
  host.Raster().SetParentBackColour(kBackground);
  candy::CandyButton button(host);
  button.ReadProperties(candy::PropertyBag());
  button.SetStyle(c.style);
  button.SetColorScheme(c.scheme);
  button.SetCaption(c.caption);
  button.SetEnabled(c.enabled);
  button.SetChecked(c.checked);
  button.Redraw(c.state);
  return host.Raster().Composite(kBackground);
}

inline std::string GoldenPath(const std::string& source_dir, const GoldenCase& c) {
  return source_dir + "/tests/golden/" + c.name + ".png";
}

}  // namespace tarnwick::golden
