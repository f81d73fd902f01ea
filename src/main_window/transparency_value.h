#pragma once
// The "transparency" skin value: text to a 16-bit integer.
#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick::main_window {

// A decimal number (blanks around it allowed; optional sign, fraction and exponent) rounded to
// the nearest integer, halves to even. nullopt for text that is no number and for numbers
// outside -32768..32767.
std::optional<std::int16_t> ParseTransparency(const std::string& text);

}  // namespace tarnwick::main_window
