#include "platform/sim/raster_colours.h"

#include <array>

namespace tarnwick::sim {
namespace {

// System colour indexes 0 (scroll bar) to 30 (menu bar) in the classic grey scheme.
constexpr std::array<platform::Colour, 31> kClassicSystemColours{
    0xC8C8C8, 0x985A3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
    0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
    0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF9933, 0xC8D0D4};

}  // namespace

std::optional<platform::Colour> ClassicColourTranslator::Translate(platform::Colour colour) const {
  if ((colour & 0xFF000000u) == 0) return colour;
  if ((colour & 0xFFFFFF00u) == platform::kSystemColourFlag &&
      (colour & 0xFF) < kClassicSystemColours.size())
    return kClassicSystemColours[colour & 0xFF];
  return std::nullopt;
}

}  // namespace tarnwick::sim
