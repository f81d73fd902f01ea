#include "main_window/transparency_value.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace tarnwick::main_window {
namespace {

std::string Trimmed(const std::string& text) {
  const auto is_blank = [](unsigned char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0, last = text.size();
  while (first < last && is_blank(static_cast<unsigned char>(text[first]))) ++first;
  while (last > first && is_blank(static_cast<unsigned char>(text[last - 1]))) --last;
  return text.substr(first, last - first);
}

// Moves past the digits at position; says how many there were.
std::size_t SkipDigits(const std::string& text, std::size_t& position) {
  const std::size_t start = position;
  while (position < text.size() && std::isdigit(static_cast<unsigned char>(text[position]))) ++position;
  return position - start;
}

void SkipSign(const std::string& text, std::size_t& position) {
  if (position < text.size() && (text[position] == '+' || text[position] == '-')) ++position;
}

// [+-]? (digits [. digits?] | . digits) ([eE] [+-]? digits)?, the whole text and nothing else.
bool IsDecimalNumber(const std::string& text) {
  std::size_t position = 0;
  SkipSign(text, position);
  std::size_t digits = SkipDigits(text, position);
  if (position < text.size() && text[position] == '.') {
    ++position;
    digits += SkipDigits(text, position);
  }
  if (digits == 0) return false;
  if (position < text.size() && (text[position] == 'e' || text[position] == 'E')) {
    ++position;
    SkipSign(text, position);
    if (SkipDigits(text, position) == 0) return false;
  }
  return position == text.size();
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
