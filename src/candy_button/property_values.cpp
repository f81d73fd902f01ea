#include "candy_button/property_values.h"

#include <charconv>
#include <cstdio>
#include <vector>

namespace tarnwick::candy {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<std::int32_t> ParseHexBits(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  std::uint32_t bits = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return static_cast<std::int32_t>(bits);
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t end; (end = text.find(separator)) != std::string_view::npos;) {
    parts.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  parts.push_back(text);
  return parts;
}

// Takes known style words off the end of `parts` into `font`.
void TakeFontFlags(std::vector<std::string_view>& parts, platform::FontSpec& font) {
  while (!parts.empty()) {
    const std::string_view word = parts.back();
    if (word == "italic") font.italic = true;
    else if (word == "underline") font.underline = true;
    else if (word == "strikeout") font.strikeout = true;
    else return;
    parts.pop_back();
  }
}

template <typename T>
T ReadTyped(const PropertyBag& bag, std::string_view key, T fallback,
            std::optional<T> (*parse)(std::string_view)) {
  const std::optional<std::string> text = bag.Find(key);
  if (!text) return fallback;
  return parse(*text).value_or(std::move(fallback));
}

}  // namespace

std::string FormatBool(bool value) { return value ? "True" : "False"; }

std::optional<bool> ParseBool(std::string_view text) {
  if (EqualsIgnoringCase(text, "True")) return true;
  if (EqualsIgnoringCase(text, "False")) return false;
  return std::nullopt;
}

std::string FormatInt(std::int32_t value) { return std::to_string(value); }

std::optional<std::int32_t> ParseInt(std::string_view text) {
  if (text.starts_with("0x") || text.starts_with("0X")) return ParseHexBits(text.substr(2));
  if (text.starts_with("&H") || text.starts_with("&h")) {
    if (text.ends_with('&')) text.remove_suffix(1);
    return ParseHexBits(text.substr(2));
  }
  if (text.starts_with('+')) text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string FormatColour(platform::Colour value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
  return text;
}

std::string FormatFont(const platform::FontSpec& font) {
  char points[32];
  const auto result = std::to_chars(points, points + sizeof points, font.points);
  std::string text = font.name + ';' + std::string(points, result.ptr) + ';' +
                     std::to_string(font.weight);
  if (font.italic) text += ";italic";
  if (font.underline) text += ";underline";
  if (font.strikeout) text += ";strikeout";
  return text;
}

std::optional<platform::FontSpec> ParseFont(std::string_view text) {
  std::vector<std::string_view> parts = SplitAt(text, ';');
  platform::FontSpec font;
  TakeFontFlags(parts, font);
  if (parts.size() < 3) return std::nullopt;
  const std::string_view points = parts[parts.size() - 2];
  const std::optional<std::int32_t> weight = ParseInt(parts.back());
  const auto [end, error] = std::from_chars(points.data(), points.data() + points.size(),
                                            font.points);
  if (!weight || *weight < 0 || *weight > 1000 || error != std::errc{} ||
      end != points.data() + points.size() || !(font.points > 0 && font.points <= 1638))
    return std::nullopt;
  font.weight = *weight;
  const std::size_t name_length = static_cast<std::size_t>(points.data() - text.data()) - 1;
  font.name = std::string(text.substr(0, name_length));
  if (font.name.empty()) return std::nullopt;
  return font;
}

bool ReadBool(const PropertyBag& bag, std::string_view key, bool fallback) {
  return ReadTyped<bool>(bag, key, fallback, ParseBool);
}

std::int32_t ReadInt(const PropertyBag& bag, std::string_view key, std::int32_t fallback) {
  return ReadTyped<std::int32_t>(bag, key, fallback, ParseInt);
}

platform::Colour ReadColour(const PropertyBag& bag, std::string_view key,
                            platform::Colour fallback) {
  return static_cast<platform::Colour>(ReadInt(bag, key, static_cast<std::int32_t>(fallback)));
}

std::string ReadString(const PropertyBag& bag, std::string_view key, const std::string& fallback) {
  return bag.Find(key).value_or(fallback);
}

platform::FontSpec ReadFont(const PropertyBag& bag, std::string_view key,
                            const platform::FontSpec& fallback) {
  return ReadTyped<platform::FontSpec>(bag, key, fallback, ParseFont);
}

}  // namespace tarnwick::candy
