#include "candy_button/property_text.h"

#include <optional>

namespace tarnwick::candy {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }
bool IsKeyChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool ReadsBackBare(std::string_view value) {
  if (value.empty() || value.front() == '"' || IsBlank(value.front()) || IsBlank(value.back()))
    return false;
  for (char c : value)
    if (IsControl(static_cast<unsigned char>(c))) return false;
  return true;
}

void AppendEscaped(std::string& out, char c) {
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
  }
  const auto byte = static_cast<unsigned char>(c);
  if (IsControl(byte)) {
    out += "\\x";
    out += kHexDigits[byte >> 4];
    out += kHexDigits[byte & 0xF];
  } else {
    out += c;
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Decodes one escape after the backslash at text[0]; advances `text` past it.
std::optional<char> TakeEscape(std::string_view& text) {
  if (text.size() < 2) return std::nullopt;
  const char kind = text[1];
  text.remove_prefix(2);
  switch (kind) {
    case '"': return '"';
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'x': break;
    default: return std::nullopt;
  }
  if (text.size() < 2 || HexValue(text[0]) < 0 || HexValue(text[1]) < 0) return std::nullopt;
  const char decoded = static_cast<char>(HexValue(text[0]) * 16 + HexValue(text[1]));
  text.remove_prefix(2);
  return decoded;
}

// Parses a quoted value starting at the opening quote; nullopt when malformed.
std::optional<std::string> ParseQuoted(std::string_view text) {
  text.remove_prefix(1);
  std::string value;
  while (!text.empty() && text.front() != '"') {
    if (text.front() != '\\') {
      value += text.front();
      text.remove_prefix(1);
      continue;
    }
    const std::optional<char> escaped = TakeEscape(text);
    if (!escaped) return std::nullopt;
    value += *escaped;
  }
  if (text.empty() || !TrimBlanks(text.substr(1)).empty()) return std::nullopt;
  return value;
}

PropertyLine Invalid() {
  PropertyLine line;
  line.kind = PropertyLine::Kind::Invalid;
  return line;
}

}  // namespace

std::string FormatPropertyLine(std::string_view key, std::string_view value) {
  std::string line(key);
  line += " = ";
  if (ReadsBackBare(value)) {
    line += value;
  } else {
    line += '"';
    for (char c : value) AppendEscaped(line, c);
    line += '"';
  }
  line += '\n';
  return line;
}

PropertyLine ParsePropertyLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  line = TrimBlanks(line);
  if (line.empty() || line.front() == '#') return {};
  std::size_t key_end = 0;
  while (key_end < line.size() && IsKeyChar(line[key_end])) ++key_end;
  const std::string_view rest = TrimBlanks(line.substr(key_end));
  if (key_end == 0 || rest.empty() || rest.front() != '=') return Invalid();
  const std::string_view raw = TrimBlanks(rest.substr(1));
  PropertyLine parsed{PropertyLine::Kind::Entry, std::string(line.substr(0, key_end)), {}};
  if (raw.empty() || raw.front() != '"') {
    parsed.value = std::string(raw);
    return parsed;
  }
  std::optional<std::string> quoted = ParseQuoted(raw);
  if (!quoted) return Invalid();
  parsed.value = std::move(*quoted);
  return parsed;
}

}  // namespace tarnwick::candy
