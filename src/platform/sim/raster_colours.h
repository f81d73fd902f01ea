#pragma once
// Colour translation of the simulated platform: plain colours pass unchanged, system colour
// references (bit 31 set, index in the low byte) resolve through a fixed table of the
// classic system colours, anything else names no colour.
#include "platform/colour_port.h"

namespace tarnwick::sim {

class ClassicColourTranslator : public platform::ColourTranslator {
 public:
  std::optional<platform::Colour> Translate(platform::Colour colour) const override;
};

}  // namespace tarnwick::sim
