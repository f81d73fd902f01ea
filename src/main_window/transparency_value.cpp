#include "main_window/transparency_value.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace tarnwick::main_window {
namespace {

std::string Trimmed(const std::string& text) {
  const auto is_blank = [](unsigned char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0, last = text.size();
  while (first < last && is_blank(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && is_blank(static_cast<unsigned char>(text[last - 1]))) --last;
  return text.substr(first, last - first);
}

bool IsDecimalNumber(const std::string& text) {
  static const std::regex kNumber(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
  return std::regex_match(text, kNumber);
}

}  // namespace

std::optional<std::int16_t> ParseTransparency(const std::string& text) {
  const std::string number = Trimmed(text);
  if (!IsDecimalNumber(number)) return std::nullopt;
  const double rounded = std::nearbyint(std::strtod(number.c_str(), nullptr));  // halves to even
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace tarnwick::main_window
