#pragma once
// Colour translation through the system (system colour references become current colours).
#include "platform/colour_port.h"

namespace tarnwick::win32 {

class SystemColourTranslator : public platform::ColourTranslator {
 public:
  std::optional<platform::Colour> Translate(platform::Colour colour) const override;
};

}  // namespace tarnwick::win32
