#include "candy_button/colour_math.h"

namespace tarnwick::candy {

std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high) {
  if (value < low) return low;
  if (value > high) return high;
  return value;
}

ChannelTriple SplitColour(Colour colour, const platform::ColourTranslator& translator) {
  const Colour plain = translator.Translate(colour).value_or(platform::kBlack);
  return {static_cast<std::int32_t>(plain & 0xFF), static_cast<std::int32_t>(plain >> 8 & 0xFF),
          static_cast<std::int32_t>(plain >> 16 & 0xFF)};
}

namespace {

std::int32_t MixChannel(std::int32_t from, std::int32_t to, std::int32_t percentage) {
  return from + (to - from) * percentage / 100;  // C++ division truncates towards zero
}

}  // namespace

Colour BlendColors(Colour from, Colour to, std::int32_t& percentage,
                   const platform::ColourTranslator& translator) {
  percentage = ClampValue(percentage, 0, 100);
  const ChannelTriple a = SplitColour(from, translator);
  const ChannelTriple b = SplitColour(to, translator);
  return platform::MakeColour(MixChannel(a.red, b.red, percentage),
                              MixChannel(a.green, b.green, percentage),
                              MixChannel(a.blue, b.blue, percentage));
}

std::optional<ColourScheme> FindColourScheme(std::int32_t scheme) {
  static constexpr std::array<ColourScheme, 6> kSchemes{{
      {0xD06720, 0xE99950, 0xA06710, 0xFFEDB0},
      {0xD09060, 0xE06000, 0xA98050, 0xFFFAFA},
      {0x800000, 0xA00000, 0xF00000, 0xFF0000},
      {0x000080, 0x0000A0, 0x0000F0, 0x0000FF},
      {0x008000, 0x00A000, 0x00C000, 0x00FF00},
      {0x008080, 0x00A0A0, 0x00C0C0, 0x00FFFF},
  }};
  if (scheme < 1 || scheme > 6) return std::nullopt;
  return kSchemes[static_cast<std::size_t>(scheme - 1)];
}

}  // namespace tarnwick::candy
