#pragma once
// Drawing states and style numbers of the candy button.
#include <cstdint>

namespace tarnwick::candy {

enum class ButtonState : std::int32_t { Normal = 0, Pressed = 1, Focused = 2, Hover = 3, Checked = 4 };

// Style values 0-7; other values are stored but draw only caption and picture.
inline constexpr std::int32_t kStyleClassic = 0, kStyleFlat = 1, kStyleShaded = 6;
inline constexpr std::int32_t kStyleCount = 8;

}  // namespace tarnwick::candy
