#pragma once
// Colours as the system stores them, and the system's colour translation.
#include <cstdint>
#include <optional>

namespace tarnwick::platform {

// 0x00BBGGRR: red in bits 0-7, green 8-15, blue 16-23. A value with bit 31 set refers to a
// system colour (its low byte is the system colour index) and is resolved by translation.
using Colour = std::uint32_t;
inline constexpr Colour kSystemColourFlag = 0x80000000u;
inline constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

constexpr Colour MakeColour(int red, int green, int blue) {
  return static_cast<Colour>(red) | static_cast<Colour>(green) << 8 |
         static_cast<Colour>(blue) << 16;
}

class ColourTranslator {
 public:
  virtual ~ColourTranslator() = default;
  // A plain 0x00BBGGRR value for any colour value; nullopt when the value names no colour.
  [[nodiscard]] virtual std::optional<Colour> Translate(Colour colour) const = 0;
};

}  // namespace tarnwick::platform
