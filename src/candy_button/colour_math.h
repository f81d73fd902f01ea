#pragma once
// The button's integer colour arithmetic: clamping, channel splitting, percentage blending,
// and the six preset colour schemes.
#include <array>
#include <cstdint>
#include <optional>

#include "platform/colour_port.h"

namespace tarnwick::candy {

using platform::Colour;

std::int32_t ClampValue(std::int32_t value, std::int32_t low, std::int32_t high);

struct ChannelTriple {
  std::int32_t red = 0, green = 0, blue = 0;
  friend bool operator==(const ChannelTriple&, const ChannelTriple&) = default;
};

// Splits a colour after system translation; an untranslatable value splits into black.
ChannelTriple SplitColour(Colour colour, const platform::ColourTranslator& translator);

// Mixes `from` towards `to`; `percentage` is clamped to 0..100 and written back.
Colour BlendColors(Colour from, Colour to, std::int32_t& percentage,
                   const platform::ColourTranslator& translator);

struct ColourScheme {
  Colour up, hover, down, bright;
};

// Schemes 1-6; nullopt for any other number (scheme 0 means "custom colours").
std::optional<ColourScheme> FindColourScheme(std::int32_t scheme);

// Colours of a new designer-placed button and of a bag without colour keys.
inline constexpr Colour kDefaultFaceColour = 0xE99950, kDefaultHoverColour = 0xFFC090,
                        kDefaultBrightColour = 0xFFEDB0, kDefaultHighLiteColour = 0x00FF00,
                        kDisabledFaceColour = 0xB0C0C0;

}  // namespace tarnwick::candy
