#pragma once
// The twelve numbers that shape a gloss face: the top highlight's rounded rectangle and fade,
// and the glow's size, centre and fade.
#include <cstdint>
#include <optional>

namespace tarnwick::candy {

struct GlossParams {
  std::int32_t r0 = 0;   // base percentage of the top highlight
  std::int32_t r1 = 0;   // highlight fade, percentage points per corner-radius rows
  std::int32_t r2 = 0, r3 = 0, r6 = 0, r5 = 0;  // highlight left, top, right, bottom
  std::int32_t r4 = 0;   // highlight corner radius
  std::int32_t r7 = 0, r8 = 0;  // glow half width and height, percent of W and H
  std::int32_t r9 = 0, r10 = 0;  // glow centre
  std::int32_t r11 = 0;  // glow fade per step, scaled by the glow's half height
  friend bool operator==(const GlossParams&, const GlossParams&) = default;
};

// Parameters of gloss style 2, 3, 4, 5 or 7 for corner radius R and a W x H face
// (H > 0); nullopt for other styles.
std::optional<GlossParams> MakeGlossParams(std::int32_t style, std::int32_t R, int W, int H);

}  // namespace tarnwick::candy
